#include "app/main_form.h"

#include <filesystem>
#include <system_error>

#include "app/file_names.h"
#include "app/form_fields.h"
#include "app/message_boxes.h"
#include "app/pic_show.h"
#include "app/titles.h"
#include "base/file_io.h"
#include "convert/converter.h"
#include "framework/win/application.h"
#include "framework/win/resources.h"
#include "skin/data/skin_reader_notice.h"
#include "skin/data/start_options.h"
#include "base/win32_text.h"

namespace korvane {

namespace {

// Resource ids and types of the font tables.
constexpr int kHzk16Id = 201;
constexpr int kAsc16Id = 202;

std::span<const std::uint8_t> resource_bytes(int id, const wchar_t* type) {
    return FindResourceBytes(MAKEINTRESOURCEW(id), type).value_or(std::span<const std::uint8_t>());
}

bool file_exists(const std::string& path) {
    DWORD attributes = GetFileAttributesW(widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string current_directory() {
    std::error_code error;
    std::filesystem::path here = std::filesystem::current_path(error);
    return error ? std::string() : narrow(here.wstring());
}

}  // namespace

TMainForm::TMainForm(TComponent* owner) : TForm(owner) {
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
}

void TMainForm::Loaded() {
    TForm::Loaded();
    Panel1 = &FormField<TPanel>(*this, "Panel1");
    OpenDlg = &FormField<TOpenDialog>(*this, "OpenDlg");
    SaveDlg = &FormField<TSaveDialog>(*this, "SaveDlg");
    HotLabel3 = &FormField<THotLabel>(*this, "HotLabel3");
    ProgressBar1 = &FormField<TProgressBar>(*this, "ProgressBar1");
    stSFile = &FormField<TStaticText>(*this, "stSFile");
    stDFile = &FormField<TStaticText>(*this, "stDFile");
    Label1 = &FormField<TLabel>(*this, "Label1");
    Label2 = &FormField<TLabel>(*this, "Label2");
    BitBtn1 = &FormField<TBitBtn>(*this, "BitBtn1");
    Button1 = &FormField<TButton>(*this, "Button1");
    Button2 = &FormField<TButton>(*this, "Button2");
    SkinStore1 = &FormField<TSkinStore>(*this, "SkinStore1");
    SkinData1 = &FormField<TSkinData>(*this, "SkinData1");
    HotLabel1 = &FormField<THotLabel>(*this, "HotLabel1");

    Button1->OnClick = [this](TObject* sender) { Button1Click(sender); };
    Button2->OnClick = [this](TObject* sender) { Button2Click(sender); };
    SaveDlg->OnCanClose = [this](TObject* sender, bool& can_close) { SaveDlgCanClose(sender, can_close); };
    BitBtn1->OnClick = [this](TObject* sender) { BitBtn1Click(sender); };
    HotLabel1->OnClick = [this](TObject* sender) { HotLabel1Click(sender); };
}

void TMainForm::FormCreate(TObject*) {
    Fonts = {};
    LoadFontTables();
    std::string here = current_directory();
    OpenDlg->SetInitialDir(here);
    SaveDlg->SetInitialDir(here);
    SourceFileName.clear();
    TargetFileName.clear();
    SwitchSkinOn(StartSkinFile);
}

namespace {

// Loads the package at path into data and switches skinning on. When the file
// cannot be read or the package is refused, says so once, with the reason,
// and leaves data as it was.
bool WearSkinFile(TSkinData& data, const std::string& path) {
    const SkinFile file = ReadSkinFile(path);
    if (!file.Wearable()) {
        ShowSkinNotice(file.notice);
        return false;
    }
    data.LoadFromPackage(file.bytes);
    data.SetActive(true);
    return true;
}

}  // namespace

void TMainForm::SwitchSkinOn(const std::string& skin_file) {
    if (!skin_file.empty()) {
        if (WearSkinFile(*SkinData1, skin_file)) return;
    }
    if (SkinStore1->Store().Count() == 0) {
        ShowSkinNotice(kSkinMissingNotice);
        return;
    }
    // A damaged package: the skin data component says why and stays Empty,
    // and Active then has no effect.
    SkinData1->LoadFromSkinStore(*SkinStore1, 0);
    SkinData1->SetActive(true);
}

void TMainForm::LoadFontTables() {
    Fonts.hzk16 = resource_bytes(kHzk16Id, L"HZK16");
    Fonts.asc16 = resource_bytes(kAsc16Id, L"ASC16");
    if (Fonts.complete()) return;
    ShowWarning("无法加载资源!\n\r程序终止!");
    Application->Terminate();
}

void TMainForm::Button1Click(TObject*) {
    if (!OpenDlg->Execute()) return;
    stSFile->SetCaption(std::string(file_name_part(OpenDlg->FileName())));
    SourceFileName = OpenDlg->FileName();
}

void TMainForm::Button2Click(TObject*) {
    if (!SaveDlg->Execute()) return;
    SaveDlg->SetFileName(with_default_extension(SaveDlg->FileName(), ".bmp"));
    stDFile->SetCaption(std::string(file_name_part(SaveDlg->FileName())));
    TargetFileName = SaveDlg->FileName();
}

void TMainForm::SaveDlgCanClose(TObject*, bool& can_close) {
    std::string name = with_default_extension(SaveDlg->FileName(), ".bmp");
    if (file_exists(name) && !Confirm("你想覆盖这个文件吗？ \n\r" + name)) can_close = false;
}

void TMainForm::BitBtn1Click(TObject*) {
    if (SourceFileName.empty() || TargetFileName.empty()) {
        ShowWarning("请选择您要转换的TXT文件或目标文件!");
        return;
    }
    ConvertTextFile();
}

void TMainForm::HotLabel1Click(TObject*) { ShellOpen(Handle(), kDistributorPage); }

void TMainForm::ConvertTextFile() {
    ProgressBar1->SetPosition(0);
    // The file is written as the page is drawn; the page itself is only made
    // when the preview asks for it.
    TextLines lines = convert_text_file(SourceFileName, TargetFileName, Fonts,
                                        [this](int percent) { SetCaption(progress_title(percent)); });
    if (Confirm("转换成功！想预览吗？")) {
        Form1->SetCaption("图片预览(" + TargetFileName + ")");
        Form1->Show();
        Form1->SetPage(render_text_page(lines, Fonts));
    }
    SetCaption(std::string(kMainTitle));
}

}  // namespace korvane
