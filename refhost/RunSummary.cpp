#include "refhost/RunSummary.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escape[8];
                    std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                    out += escape;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

// Shortest text that reads back as the same double; JSON has no infinity
// or NaN, so those become null.
std::string JsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string JsonBool(bool value) { return value ? "true" : "false"; }

template <class T, class Format>
std::string JsonArray(const std::vector<T>& items, Format format) {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) out += ',';
        out += format(items[i]);
    }
    return out + "]";
}

std::string Counts(const MeshCounts& counts) {
    return std::to_string(counts.vertices) + " vertices, " + std::to_string(counts.edges) + " edges, " +
           std::to_string(counts.faces) + " faces, " + std::to_string(counts.selectedVertexCount) + " selected";
}

}  // namespace

std::string FormatJson(const RunSummary& s) {
    const bool result = !s.results.empty() && s.results.back();
    std::string json = "{";
    json += "\"result\":" + JsonBool(result);
    json += ",\"results\":" + JsonArray(s.results, [](bool r) { return JsonBool(r); });
    json += ",\"vertices\":" + std::to_string(s.after.vertices);
    json += ",\"edges\":" + std::to_string(s.after.edges);
    json += ",\"faces\":" + std::to_string(s.after.faces);
    json += ",\"selectedVertexCount\":" + std::to_string(s.after.selectedVertexCount);
    json += ",\"selectedVertices\":" + std::to_string(s.selectedVertices);
    json += ",\"before\":{\"vertices\":" + std::to_string(s.before.vertices) +
            ",\"edges\":" + std::to_string(s.before.edges) + ",\"faces\":" + std::to_string(s.before.faces) +
            ",\"selectedVertexCount\":" + std::to_string(s.before.selectedVertexCount) + "}";
    json += ",\"view\":" + std::to_string(s.view);
    json += ",\"unitScale\":" + JsonNumber(s.unitScale);
    json += ",\"plugin\":" + JsonString(s.plugin);
    if (s.beeps) json += ",\"beeps\":" + JsonArray(*s.beeps, [](std::uint32_t b) { return std::to_string(b); });
    if (s.cursorRestored) json += ",\"cursorRestored\":" + JsonBool(*s.cursorRestored);
    if (s.dialogsShown) json += ",\"dialogsShown\":" + std::to_string(*s.dialogsShown);
    json += ",\"contractViolations\":" + JsonArray(s.contractViolations, JsonString);
    json += ",\"outputs\":" + JsonArray(s.outputs, JsonString);
    json += ",\"preview\":" + (s.preview.empty() ? std::string("null") : JsonString(s.preview));
    return json + "}\n";
}

std::string FormatHumanSummary(const RunSummary& s) {
    std::string text = "before: " + Counts(s.before) + "\n";
    for (std::size_t i = 0; i < s.results.size(); ++i) {
        text += s.results.size() > 1 ? "run " + std::to_string(i + 1) + ": " : "result: ";
        text += s.results[i] ? "true (object built)\n" : "false (nothing built)\n";
    }
    text += "after:  " + Counts(s.after) + "\n";
    if (s.selectedVertices != s.after.selectedVertexCount)
        text += "note: " + std::to_string(s.selectedVertices) + " vertices have status 1\n";
    if (s.beeps) {
        text += "beeps:";
        if (s.beeps->empty()) text += " none";
        for (std::uint32_t beep : *s.beeps) {
            char hex[16];
            std::snprintf(hex, sizeof hex, " 0x%02x", static_cast<unsigned>(beep));
            text += hex;
        }
        text += "\n";
    }
    if (s.cursorRestored && !*s.cursorRestored) text += "the cursor was not restored\n";
    for (const std::string& v : s.contractViolations) text += "contract violation: " + v + "\n";
    std::vector<std::string> written = s.outputs;
    if (!s.preview.empty()) written.push_back(s.preview);
    if (!written.empty()) {
        text += "wrote:";
        for (const std::string& path : written) text += " " + path;
        text += "\n";
    }
    return text;
}
