#include "framework/win/edits.h"

#include "base/win32_text.h"
#include "framework/core/properties.h"

namespace korvane {

namespace {

constexpr std::string_view kScrollStyleNames[] = {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"};

}  // namespace

// --- TCustomEdit

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetColor(clWindow);
    bounds_ = Rect::from_size(0, 0, 121, 21);
}

const PropertyTable& TCustomEdit::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TCustomEdit>(TWinControl::Properties())
            .boolean("TabStop", &TCustomEdit::TabStop, &TCustomEdit::SetTabStop, true)
            .boolean("AutoSelect", &TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect, true)
            .enumeration("BorderStyle", kControlBorderStyleNames, &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle,
                         bsSingle)
            .integer("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength, 0)
            .boolean("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly, false)
            .build();
    return table;
}

void TCustomEdit::SetBorderStyle(TFormBorderStyle value) {
    value = value == bsNone ? bsNone : bsSingle;
    if (value == border_style_) return;
    border_style_ = value;
    RecreateWnd();
}

void TCustomEdit::SetMaxLength(int value) {
    max_length_ = value < 0 ? 0 : value;
    if (HandleAllocated()) SendMessageW(Handle(), EM_LIMITTEXT, WPARAM(max_length_), 0);
}

void TCustomEdit::SetReadOnly(bool value) {
    read_only_ = value;
    if (HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, value, 0);
}

int TCustomEdit::SelStart() {
    DWORD start = 0;
    SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return int(start);
}

int TCustomEdit::SelLength() {
    DWORD start = 0, end = 0;
    SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return int(end - start);
}

void TCustomEdit::SetSel(int start, int length) {
    SendMessageW(Handle(), EM_SETSEL, WPARAM(start), length < 0 ? -1 : LPARAM(start + length));
}

void TCustomEdit::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.superclass = L"EDIT";
    p.style &= ~DWORD(WS_CLIPCHILDREN);
    p.style |= ES_AUTOHSCROLL;
    if (read_only_) p.style |= ES_READONLY;
    p.ex_style &= ~DWORD(WS_EX_CONTROLPARENT);
    if (border_style_ == bsSingle) p.ex_style |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWnd() {
    TWinControl::CreateWnd();
    SendMessageW(Handle(), EM_LIMITTEXT, WPARAM(max_length_), 0);
}

// Text the window already shows (the user typed it) is not set again: that
// would put the caret back at the start.
void TCustomEdit::TextChanged() {
    if (!taking_window_text_) TWinControl::TextChanged();
}

void TCustomEdit::Change() {
    if (OnChange) OnChange(this);
}

void TCustomEdit::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_COMMAND:
        if (HIWORD(m.WParam) == EN_CHANGE) {
            taking_window_text_ = true;
            SetCaption(WindowText());
            taking_window_text_ = false;
            Change();
        }
        return;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
        return AnswerCtlColor(m);
    case WM_SETFOCUS:
        TWinControl::WndProc(m);
        if (auto_select_ && GetKeyState(VK_LBUTTON) >= 0) SelectAll();
        return;
    default:
        TWinControl::WndProc(m);
    }
}

// --- TEdit

TEdit::TEdit(TComponent* owner) : TCustomEdit(owner) {}

const PropertyTable& TEdit::Properties() const {
    static const PropertyTable table = PropertyBuilder<TEdit>(TCustomEdit::Properties())
                                           .integer("PasswordChar", &TEdit::PasswordChar, &TEdit::SetPasswordChar, 0)
                                           .build();
    return table;
}

void TEdit::SetPasswordChar(int value) {
    password_char_ = value < 0 || value > 0xFFFF ? 0 : value;
    if (!HandleAllocated()) return;
    SendMessageW(Handle(), EM_SETPASSWORDCHAR, WPARAM(password_char_), 0);
    Invalidate();
}

void TEdit::CreateParams(TCreateParams& p) {
    TCustomEdit::CreateParams(p);
    if (password_char_) p.style |= ES_PASSWORD;
}

// --- TMemo

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner) {
    bounds_ = Rect::from_size(0, 0, 185, 89);
    SetAutoSelect(false);
    lines_.OnChange = [this](TStringList& lines) {
        if (taking_text_) return;
        std::string text;
        for (int i = 0; i < lines.Count(); ++i) text += (i ? "\r\n" : "") + lines.Strings(i);
        SetText(text);
    };
}

const PropertyTable& TMemo::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TMemo>(TCustomEdit::Properties())
            .string("Caption", &TMemo::Caption, &TMemo::SetCaption)
            .never_stored()
            .boolean("AutoSelect", &TMemo::AutoSelect, &TMemo::SetAutoSelect, false)
            .string("Lines", [](const TMemo& m) { return m.lines_.Text(); },
                    [](TMemo& m, const std::string& text) { m.lines_.SetText(text); })
            .enumeration("ScrollBars", kScrollStyleNames, &TMemo::ScrollBars, &TMemo::SetScrollBars, ssNone)
            .boolean("WantTabs", &TMemo::WantTabs, &TMemo::SetWantTabs, false)
            .boolean("WordWrap", &TMemo::WordWrap, &TMemo::SetWordWrap, true)
            .build();
    return table;
}

void TMemo::SetScrollBars(TScrollStyle value) {
    if (value == scroll_bars_) return;
    scroll_bars_ = value;
    RecreateWnd();
}

void TMemo::SetWordWrap(bool value) {
    if (value == word_wrap_) return;
    word_wrap_ = value;
    RecreateWnd();
}

void TMemo::CreateParams(TCreateParams& p) {
    TCustomEdit::CreateParams(p);
    p.style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
    if (word_wrap_) p.style &= ~DWORD(ES_AUTOHSCROLL);
    if (scroll_bars_ == ssVertical || scroll_bars_ == ssBoth) p.style |= WS_VSCROLL;
    if (scroll_bars_ == ssHorizontal || scroll_bars_ == ssBoth) p.style |= WS_HSCROLL;
}

void TMemo::TextChanged() {
    taking_text_ = true;
    lines_.SetText(Caption());
    taking_text_ = false;
    TCustomEdit::TextChanged();
}

// A multi-line edit asks the dialog keys for itself; Tab is the memo's only
// with WantTabs. Once asked by the dialog manager, the edit types no tab of
// its own accord: the memo types it.
void TMemo::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_GETDLGCODE:
        TCustomEdit::WndProc(m);
        m.Result &= ~LRESULT(DLGC_WANTALLKEYS | DLGC_WANTTAB);
        if (want_tabs_) m.Result |= DLGC_WANTTAB;
        return;
    case WM_CHAR:
        if (m.WParam == '\t' && want_tabs_ && !ReadOnly()) {
            SendMessageW(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"\t"));
            return;
        }
        return TCustomEdit::WndProc(m);
    default:
        TCustomEdit::WndProc(m);
    }
}

}  // namespace korvane
