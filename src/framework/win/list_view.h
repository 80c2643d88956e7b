#pragma once
// TListView: the system's list view under the framework's class name, above
// all in its report view: columns with titles, one line per item with the
// item's caption in the first column and its sub-items in the next. Columns
// and Items are collections the window follows.

#include <functional>
#include <string>

#include "framework/core/collection.h"
#include "framework/core/string_list.h"
#include "framework/win/wincontrol.h"

namespace korvane {

class TListView;

class TListColumn : public TCollectionItem {
public:
    static constexpr std::string_view kClassName = "TListColumn";
    explicit TListColumn(TCollection& collection) : TCollectionItem(collection) {}
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    int Width() const { return width_; }
    void SetWidth(int value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);

private:
    friend class TListView;
    void Changed();

    std::string caption_;
    int width_ = 50;
    TAlignment alignment_ = taLeftJustify;
};

class TListItem : public TCollectionItem {
public:
    static constexpr std::string_view kClassName = "TListItem";
    explicit TListItem(TCollection& collection);
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    // The texts of the columns after the first; change them through SubItems().
    TStringList& SubItems() { return sub_items_; }
    const TStringList& SubItems() const { return sub_items_; }

private:
    void Changed();

    std::string caption_;
    TStringList sub_items_;
};

// The collections of a list view: a change of their items reaches the view.
template <class Item>
class TListViewCollection : public TOwnedCollection {
public:
    explicit TListViewCollection(TListView* view) : TOwnedCollection(view, ItemClassOf<Item>()), view_(view) {}

    Item& Add() { return static_cast<Item&>(TCollection::Add()); }
    Item& Items(int index) const { return static_cast<Item&>(TCollection::Items(index)); }
    TListView& View() const { return *view_; }

protected:
    void Changed() override;

private:
    TListView* view_;
};

class TListColumns : public TListViewCollection<TListColumn> {
public:
    static constexpr std::string_view kClassName = "TListColumns";
    using TListViewCollection::TListViewCollection;
    std::string_view ClassName() const override { return kClassName; }
};

class TListItems : public TListViewCollection<TListItem> {
public:
    static constexpr std::string_view kClassName = "TListItems";
    using TListViewCollection::TListViewCollection;
    std::string_view ClassName() const override { return kClassName; }
};

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
using TLVColumnClickEvent = std::function<void(TObject* sender, TListColumn& column)>;
using TLVSelectItemEvent = std::function<void(TObject* sender, TListItem& item, bool selected)>;

class TListView : public TWinControl {
public:
    static constexpr std::string_view kClassName = "TListView";
    explicit TListView(TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    TListColumns& Columns() { return columns_; }
    TListItems& Items() { return items_; }
    TViewStyle ViewStyle() const { return view_style_; }
    void SetViewStyle(TViewStyle value);
    // The whole line shows selected, not only the first column.
    bool RowSelect() const { return row_select_; }
    void SetRowSelect(bool value);
    bool GridLines() const { return grid_lines_; }
    void SetGridLines(bool value);
    bool ShowColumnHeaders() const { return show_column_headers_; }
    void SetShowColumnHeaders(bool value);
    bool MultiSelect() const { return multi_select_; }
    void SetMultiSelect(bool value);

    // The first selected item; -1 when none.
    int ItemIndex();
    void SetItemIndex(int value);
    int SelCount();

    // While updates are held (counted), changes of the collections are put
    // onto the window once, at the last EndUpdate.
    void BeginUpdate() { ++updating_; }
    void EndUpdate();
    // Puts columns and items onto the window.
    void RefillWindow();

    TLVColumnClickEvent OnColumnClick;
    TLVSelectItemEvent OnSelectItem;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;

private:
    friend class TListItem;
    friend class TListColumn;
    void UpdateItem(int index);
    void PutItemTexts(int index);
    void ApplyExtendedStyle();

    TListColumns columns_;
    TListItems items_;
    TViewStyle view_style_ = vsIcon;
    bool row_select_ = false;
    bool grid_lines_ = false;
    bool show_column_headers_ = true;
    bool multi_select_ = false;
    int updating_ = 0;
    int item_index_ = -1;  // kept while there is no window
};

template <class Item>
void TListViewCollection<Item>::Changed() {
    view_->RefillWindow();
}

}  // namespace korvane
