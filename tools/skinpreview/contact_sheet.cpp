#include "contact_sheet.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/strings.h"
#include "labels.h"

namespace korvane::skinpreview {

namespace {

constexpr int kZoom = 2;
constexpr int kGap = 6;
constexpr int kMargin = 12;
constexpr int kRowGap = 10;
constexpr Pixel kPaper = pixel_rgb(240, 242, 247);
constexpr Pixel kInk = pixel_rgb(40, 44, 64);
constexpr Pixel kCheckLight = pixel_rgb(252, 252, 252);
constexpr Pixel kCheckDark = pixel_rgb(214, 216, 222);

// One line of the sheet: a caption and the frames of one image.
struct SheetRow {
    std::string caption;
    std::vector<ImageView> frames;
};

// A frame count is the skin's word: more frames than pixels would only be empty ones.
std::vector<ImageView> frames_of(const Image& image, int count, bool stacked) {
    std::vector<ImageView> frames;
    if (image.empty() || count <= 0) return frames;
    count = std::min(count, stacked ? image.height() : image.width());
    const int w = stacked ? image.width() : image.width() / count;
    const int h = stacked ? image.height() / count : image.height();
    for (int i = 0; i < count; ++i)
        frames.push_back(image.view().sub(stacked ? Rect::from_size(0, i * h, w, h)
                                                  : Rect::from_size(i * w, 0, w, h)));
    return frames;
}

void add(std::vector<SheetRow>& rows, std::string caption, const Image& image, int frames,
         bool stacked = false) {
    if (image.empty()) return;
    caption += format("  %dx%d, %d frame%s", image.width(), image.height(), frames, frames == 1 ? "" : "s");
    rows.push_back({std::move(caption), frames_of(image, frames, stacked)});
}

void add(std::vector<SheetRow>& rows, const TDataSkinObject* element, bool stacked = false) {
    if (element) add(rows, element->Name, element->Bitmap, element->Frame, stacked);
}

std::vector<SheetRow> sheet_rows(const SkinModel& s) {
    std::vector<SheetRow> rows;
    add(rows, &s.BorderTop, true);
    add(rows, &s.BorderBottom, true);
    add(rows, &s.BorderLeft);
    add(rows, &s.BorderRight);
    for (const TDataSkinSysButton& b : s.SysButtons)
        add(rows, format("%s (action %d)", b.Name.empty() ? "MDI child" : b.Name.c_str(), b.Action),
            b.Bitmap, b.Frame);
    if (s.MenuBar) add(rows, "MenuBar", s.MenuBar->Bitmap, s.MenuBar->Frame, true);
    add(rows, &s.Buttons);
    add(rows, "CheckButton", s.Buttons.CheckButton, s.Buttons.CheckButtonFrame);
    add(rows, "RadioButton", s.Buttons.RadioButton, s.Buttons.RadioButtonFrame);
    add(rows, s.Progress.get());
    if (s.Progress) add(rows, "Progress chunk", s.Progress->Bitmap2, 1);
    add(rows, s.GroupBoxEdge.get());
    add(rows, s.Toolbars.get());
    add(rows, s.Tabs.get());
    if (s.Tabs) add(rows, "Tabs border", s.Tabs->Bitmap2, 1);
    for (const TDataSkinObject* e :
         std::initializer_list<const TDataSkinObject*>{s.StatusBarEdges.get(), s.ComboButton.get(), s.SunkEdge.get(), s.ExtraImages.get(),
          s.Headerbar.get(), s.MenuItem.get(), s.MenuBackground.get(), s.Scrollbar.get(),
          s.HorzScroll.get(), s.VertScroll.get(), s.HorzScrollThumb.get(), s.VertScrollThumb.get()})
        add(rows, e);
    for (const TDataSkinBorder* e : {s.UpDownHorz.get(), s.UpDownVert.get()}) {
        add(rows, e);
        if (e) add(rows, e->Name + " glyphs", e->Bitmap2, e->Frame);
    }
    return rows;
}

// A frame magnified, key pixels replaced by a checkerboard.
void draw_frame(MutableImageView sheet, Point at, ImageView frame) {
    for (int y = 0; y < frame.height() * kZoom; ++y)
        for (int x = 0; x < frame.width() * kZoom; ++x) {
            Pixel p = frame.at(x / kZoom, y / kZoom);
            if (is_key(p)) p = ((x / 4 + y / 4) % 2) ? kCheckDark : kCheckLight;
            if (sheet.bounds().contains({at.x + x, at.y + y})) sheet.at(at.x + x, at.y + y) = p;
        }
}

int row_width(const SheetRow& row) {
    int w = 0;
    for (ImageView f : row.frames) w += f.width() * kZoom + kGap;
    return std::max(w - kGap, label_width(row.caption));
}

int row_height(const SheetRow& row) {
    int h = 0;
    for (ImageView f : row.frames) h = std::max(h, f.height() * kZoom);
    return kLabelHeight + 2 + h;
}

}  // namespace

Image render_contact_sheet(const SkinModel& skin) {
    // Rows flow down two columns, the second starting past half the height.
    const std::vector<SheetRow> rows = sheet_rows(skin);
    int total = 0;
    for (const SheetRow& row : rows) total += row_height(row) + kRowGap;
    std::size_t split = 0;
    for (int h = 0; split < rows.size() && h < total / 2; ++split) h += row_height(rows[split]) + kRowGap;
    const std::vector<SheetRow> columns[] = {{rows.begin(), rows.begin() + std::ptrdiff_t(split)},
                                             {rows.begin() + std::ptrdiff_t(split), rows.end()}};
    int width = kMargin;
    int height = 0;
    for (const auto& column : columns) {
        if (column.empty()) continue;
        int w = 0;
        int h = 0;
        for (const SheetRow& row : column) {
            w = std::max(w, row_width(row));
            h += row_height(row) + kRowGap;
        }
        width += w + kMargin * 2;
        height = std::max(height, h);
    }
    Image sheet(width - kMargin, height + 2 * kMargin - kRowGap, kPaper);
    int x0 = kMargin;
    for (const auto& column : columns) {
        int y = kMargin;
        int column_width = 0;
        for (const SheetRow& row : column) {
            draw_label(sheet.mutable_view(), {x0, y}, row.caption, kInk);
            int x = x0;
            for (ImageView frame : row.frames) {
                draw_frame(sheet.mutable_view(), {x, y + kLabelHeight + 2}, frame);
                x += frame.width() * kZoom + kGap;
            }
            y += row_height(row) + kRowGap;
            column_width = std::max(column_width, row_width(row));
        }
        x0 += column_width + kMargin * 2;
    }
    return sheet;
}

}  // namespace korvane::skinpreview
