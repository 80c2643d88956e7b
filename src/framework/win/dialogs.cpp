#include "framework/win/dialogs.h"

#include <vector>

#include "framework/core/properties.h"
#include "framework/win/application.h"
#include "base/win32_text.h"

namespace korvane {

namespace {

constexpr std::string_view kOpenOptionNames[] = {
    "ofReadOnly", "ofOverwritePrompt", "ofHideReadOnly", "ofNoChangeDir", "ofShowHelp", "ofNoValidate",
    "ofAllowMultiSelect", "ofExtensionDifferent", "ofPathMustExist", "ofFileMustExist", "ofCreatePrompt",
    "ofShareAware", "ofNoReadOnlyReturn", "ofNoTestFileCreate", "ofNoNetworkButton", "ofNoLongNames",
    "ofOldStyleDialog", "ofNoDereferenceLinks", "ofEnableIncludeNotify", "ofEnableSizing"};

// The dialog flag of each option, in the order of TOpenOption. The
// framework always runs the explorer-style dialog, so ofOldStyleDialog has none.
constexpr DWORD kOpenOptionFlags[] = {
    OFN_READONLY, OFN_OVERWRITEPROMPT, OFN_HIDEREADONLY, OFN_NOCHANGEDIR, OFN_SHOWHELP, OFN_NOVALIDATE,
    OFN_ALLOWMULTISELECT, OFN_EXTENSIONDIFFERENT, OFN_PATHMUSTEXIST, OFN_FILEMUSTEXIST, OFN_CREATEPROMPT,
    OFN_SHAREAWARE, OFN_NOREADONLYRETURN, OFN_NOTESTFILECREATE, OFN_NONETWORKBUTTON, OFN_NOLONGNAMES, 0,
    OFN_NODEREFERENCELINKS, OFN_ENABLEINCLUDENOTIFY, OFN_ENABLESIZING};
static_assert(std::size(kOpenOptionFlags) == std::size(kOpenOptionNames));

constexpr std::size_t kFileBufferSize = 32768;

// "a|b|c|d" as the dialog wants it: "a\0b\0c\0d\0\0".
std::wstring dialog_filter(const std::string& filter) {
    std::wstring out = widen(filter);
    for (wchar_t& c : out)
        if (c == L'|') c = L'\0';
    out.push_back(L'\0');
    out.push_back(L'\0');
    return out;
}

HWND dialog_owner() {
    if (HWND active = GetActiveWindow()) return active;
    if (Application && Application->MainForm() && Application->MainForm()->HandleAllocated())
        return Application->MainForm()->Handle();
    return Application ? Application->Handle() : nullptr;
}

}  // namespace

const PropertyTable& TOpenDialog::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TOpenDialog>(TComponent::Properties())
            .string("FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName)
            .string("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter)
            .string("InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir)
            .set("Options", kOpenOptionNames, &TOpenDialog::Options, &TOpenDialog::SetOptions,
                 TOpenOptions{ofHideReadOnly, ofEnableSizing})
            .string("Title", &TOpenDialog::Title, &TOpenDialog::SetTitle)
            .build();
    return table;
}

UINT_PTR CALLBACK TOpenDialog::Hook(HWND dialog, UINT msg, WPARAM, LPARAM lparam) {
    if (msg != WM_NOTIFY) return 0;
    auto* notify = reinterpret_cast<OFNOTIFYW*>(lparam);
    if (notify->hdr.code != CDN_FILEOK) return 0;
    auto* self = reinterpret_cast<TOpenDialog*>(notify->lpOFN->lCustData);
    self->file_name_ = narrow(notify->lpOFN->lpstrFile);
    bool can_close = true;
    try {
        if (self->OnCanClose) self->OnCanClose(self, can_close);
    } catch (...) {
        can_close = false;
        if (Application) Application->HandleException();
    }
    if (can_close) return 0;
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 1);
    return 1;
}

bool TOpenDialog::Execute() {
    std::wstring filter = dialog_filter(filter_);
    std::wstring initial_dir = widen(initial_dir_);
    std::wstring title = widen(title_);
    std::vector<wchar_t> file(kFileBufferSize, L'\0');
    std::wstring start = widen(file_name_);
    start.copy(file.data(), std::min(start.size(), file.size() - 1));

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = dialog_owner();
    ofn.lpstrFilter = filter_.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = DWORD(file.size());
    ofn.lpstrInitialDir = initial_dir.empty() ? nullptr : initial_dir.c_str();
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_ENABLEHOOK;
    for (std::size_t i = 0; i < std::size(kOpenOptionFlags); ++i)
        if (options_.contains(TOpenOption(i))) ofn.Flags |= kOpenOptionFlags[i];
    ofn.lpfnHook = Hook;
    ofn.lCustData = reinterpret_cast<LPARAM>(this);

    std::string before = file_name_;
    if (!RunDialog(ofn)) {
        file_name_ = before;
        return false;
    }
    file_name_ = narrow(file.data());
    return true;
}

bool TOpenDialog::RunDialog(OPENFILENAMEW& ofn) { return GetOpenFileNameW(&ofn) != FALSE; }
bool TSaveDialog::RunDialog(OPENFILENAMEW& ofn) { return GetSaveFileNameW(&ofn) != FALSE; }

}  // namespace korvane
