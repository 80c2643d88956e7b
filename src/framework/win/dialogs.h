#pragma once
// The common open and save dialogs, and message dialogs.

#include <windows.h>
#include <commdlg.h>

#include <functional>
#include <string>

#include "framework/core/component.h"
#include "framework/core/set.h"
#include "framework/win/control.h"

namespace korvane {

enum TOpenOption {
    ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate, ofAllowMultiSelect,
    ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt, ofShareAware, ofNoReadOnlyReturn,
    ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames, ofOldStyleDialog, ofNoDereferenceLinks,
    ofEnableIncludeNotify, ofEnableSizing
};
using TOpenOptions = Set<TOpenOption>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& can_close)>;

class TOpenDialog : public TComponent {
public:
    static constexpr std::string_view kClassName = "TOpenDialog";
    explicit TOpenDialog(TComponent* owner) : TComponent(owner) {}
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    // "text|mask|text|mask...", as "Txt files(*.txt)|*.txt|All files(*.*)|*.*".
    const std::string& Filter() const { return filter_; }
    void SetFilter(const std::string& value) { filter_ = value; }
    const std::string& InitialDir() const { return initial_dir_; }
    void SetInitialDir(const std::string& value) { initial_dir_ = value; }
    // The name shown first; after a confirmed Execute, the full path chosen.
    const std::string& FileName() const { return file_name_; }
    void SetFileName(const std::string& value) { file_name_ = value; }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& value) { title_ = value; }
    TOpenOptions Options() const { return options_; }
    void SetOptions(TOpenOptions value) { options_ = value; }

    // Runs the dialog; true when the user confirmed a name.
    bool Execute();

    // Asked when the user confirms a name (FileName holds it); setting
    // can_close to false keeps the dialog open.
    TCloseQueryEvent OnCanClose;

protected:
    virtual bool RunDialog(OPENFILENAMEW& ofn);

private:
    static UINT_PTR CALLBACK Hook(HWND dialog, UINT msg, WPARAM wparam, LPARAM lparam);

    std::string filter_;
    std::string initial_dir_;
    std::string file_name_;
    std::string title_;
    TOpenOptions options_{ofHideReadOnly, ofEnableSizing};
};

class TSaveDialog : public TOpenDialog {
public:
    static constexpr std::string_view kClassName = "TSaveDialog";
    explicit TSaveDialog(TComponent* owner) : TOpenDialog(owner) {}
    std::string_view ClassName() const override { return kClassName; }

protected:
    bool RunDialog(OPENFILENAMEW& ofn) override;
};

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
using TMsgDlgButtons = Set<TMsgDlgBtn>;

// A modal message dialog, a framework form of class "TMessageForm": caption
// "Warning", "Error", "Information" or "Confirm" (mtCustom: the application's
// title), the type's icon, the text, and the buttons in their fixed order
// ("&Yes", "&No", "OK", "Cancel", ...). Returns the button's modal result
// (mrYes, mrNo, mrOk, ...); closing the dialog otherwise gives mrCancel.
int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons);

}  // namespace korvane
