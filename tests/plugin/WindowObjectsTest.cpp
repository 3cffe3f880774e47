// Window objects: the registry answers only for objects that exist now, and
// deleting an object deletes its children but never a window.
#include <gtest/gtest.h>

#include "platform/TDialog.h"
#include "platform/TEdit.h"
#include "platform/TWindow.h"

namespace {

WindowHandle FakeWindow(int& storage) { return reinterpret_cast<WindowHandle>(&storage); }

// A child that notes its deletion.
class NotingChild : public TEdit {
public:
    NotingChild(TWindow* parent, std::vector<int>& deleted, int id) : TEdit(parent, id, 16), deleted_(deleted), id_(id) {}
    ~NotingChild() override { deleted_.push_back(id_); }

private:
    std::vector<int>& deleted_;
    int id_;
};

TEST(WindowObjectsTest, TheRegistryFindsOnlyLiveAliases) {
    int hostWindow = 0, otherWindow = 0;
    auto* alias = new TWindow(FakeWindow(hostWindow));

    EXPECT_EQ(TWindow::FindWindowObject(FakeWindow(hostWindow)), alias);
    EXPECT_EQ(TWindow::FindWindowObject(FakeWindow(otherWindow)), nullptr);
    EXPECT_EQ(TWindow::FindWindowObject(nullptr), nullptr);

    delete alias;
    EXPECT_EQ(TWindow::FindWindowObject(FakeWindow(hostWindow)), nullptr);
}

TEST(WindowObjectsTest, TheRegistryKeepsOtherObjectsWhenOneGoes) {
    int first = 0, second = 0, third = 0;
    auto* a = new TWindow(FakeWindow(first));
    auto* b = new TWindow(FakeWindow(second));
    auto* c = new TWindow(FakeWindow(third));

    delete b;

    EXPECT_EQ(TWindow::FindWindowObject(FakeWindow(first)), a);
    EXPECT_EQ(TWindow::FindWindowObject(FakeWindow(second)), nullptr);
    EXPECT_EQ(TWindow::FindWindowObject(FakeWindow(third)), c);
    delete a;
    delete c;
}

TEST(WindowObjectsTest, DeletingAnAliasDeletesItsChildrenInCreationOrder) {
    int hostWindow = 0;
    std::vector<int> deleted;
    auto* alias = new TWindow(FakeWindow(hostWindow));
    auto* dialog = new TDialog(alias, 2000);
    new NotingChild(dialog, deleted, 1);
    new NotingChild(dialog, deleted, 2);
    new NotingChild(alias, deleted, 3);
    EXPECT_EQ(dialog->GetParent(), alias);

    delete alias;

    EXPECT_EQ(deleted, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(hostWindow, 0) << "the host's window is only wrapped";
}

TEST(WindowObjectsTest, AChildDeletedFirstLeavesItsParent) {
    std::vector<int> deleted;
    TDialog dialog(nullptr, 2000);
    auto* first = new NotingChild(&dialog, deleted, 1);
    new NotingChild(&dialog, deleted, 2);
    new NotingChild(&dialog, deleted, 3);

    delete first;

    ASSERT_NE(dialog.FirstChild(), nullptr);
    EXPECT_EQ(dialog.FirstChild()->NextSibling()->NextSibling(), nullptr);
    new NotingChild(&dialog, deleted, 4);  // appended after the last one
    EXPECT_EQ(dialog.FirstChild()->NextSibling()->NextSibling()->NextSibling(), nullptr);
}

}  // namespace
