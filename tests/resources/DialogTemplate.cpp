#include "DialogTemplate.h"

#include <stdexcept>

#include "ByteReader.h"
#include "Utf16Text.h"

namespace {

constexpr std::uint32_t kSetFontStyle = 0x40;  // DS_SETFONT

NameOrOrdinal ReadNameOrOrdinal(const ByteReader& data, std::size_t* offset) {
    NameOrOrdinal field;
    if (data.U16(*offset) == 0xFFFF) {
        field.isOrdinal = true;
        field.ordinal = data.U16(*offset + 2);
        *offset += 4;
    } else {
        field.name = Utf8FromUtf16(data.String16(*offset, offset));
    }
    return field;
}

std::string ReadString(const ByteReader& data, std::size_t* offset) {
    return Utf8FromUtf16(data.String16(*offset, offset));
}

}  // namespace

DialogTemplate ParseDialogTemplateEx(std::span<const std::uint8_t> bytes) {
    const ByteReader data(bytes);
    DialogTemplate d;
    d.dlgVer = data.U16(0);
    d.signature = data.U16(2);
    if (d.dlgVer != 1 || d.signature != 0xFFFF) throw std::runtime_error("not an extended dialog template");
    d.helpId = data.U32(4);
    d.exStyle = data.U32(8);
    d.style = data.U32(12);
    d.itemCount = data.U16(16);
    d.x = data.I16(18);
    d.y = data.I16(20);
    d.cx = data.I16(22);
    d.cy = data.I16(24);
    std::size_t at = 26;
    d.menu = ReadNameOrOrdinal(data, &at);
    d.windowClass = ReadNameOrOrdinal(data, &at);
    d.title = ReadString(data, &at);
    if (d.style & kSetFontStyle) {
        d.hasFont = true;
        d.pointSize = data.U16(at);
        d.weight = data.U16(at + 2);
        d.italic = data.U8(at + 4);
        d.charset = data.U8(at + 5);
        at += 6;
        d.typeface = ReadString(data, &at);
    }

    for (std::size_t i = 0; i < d.itemCount; ++i) {
        at = AlignToDword(at);
        DialogItemTemplate item;
        item.helpId = data.U32(at);
        item.exStyle = data.U32(at + 4);
        item.style = data.U32(at + 8);
        item.x = data.I16(at + 12);
        item.y = data.I16(at + 14);
        item.cx = data.I16(at + 16);
        item.cy = data.I16(at + 18);
        item.id = data.U32(at + 20);
        at += 24;
        item.windowClass = ReadNameOrOrdinal(data, &at);
        item.title = ReadNameOrOrdinal(data, &at);
        item.extraCount = data.U16(at);
        at += 2;
        data.Bytes(at, item.extraCount);  // the creation data must lie inside
        at += item.extraCount;
        d.items.push_back(item);
    }
    return d;
}
