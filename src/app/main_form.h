#pragma once
// TMainForm (unit Main): the tool's one working window. The user chooses a
// source text file and a target BMP file, converts, and may preview the page.

#include <string>

#include "app/hot_label.h"
#include "convert/font_tables.h"
#include "framework/win/buttons.h"
#include "framework/win/comctrls.h"
#include "framework/win/dialogs.h"
#include "framework/win/extctrls.h"
#include "framework/win/form.h"
#include "framework/win/stdctrls.h"
#include "skin/data/skin_store.h"
#include "skin/engine/skin_data.h"

namespace korvane {

class TMainForm : public TForm {
public:
    static constexpr std::string_view kClassName = "TMainForm";

    explicit TMainForm(TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }

    // Takes the font tables from the program's resources; when either is
    // missing, says so and asks the application to end.
    void LoadFontTables();
    // Converts SourceFileName into TargetFileName, showing the percentage
    // done in the title, and offers the preview.
    void ConvertTextFile();
    // The skin step of creation: SkinData1 loads the package stored in
    // SkinStore1 and switches skinning on; every window of the tool then wears
    // the skin as it is first activated. A missing or damaged package is said
    // once (as a skin notice) and the tool goes on with the plain look.
    // With skin_file, that package is worn instead; one that cannot be read
    // or is refused is said once, and the stored skin is worn.
    void SwitchSkinOn(const std::string& skin_file = {});
    // The package the command line asked for (--skin), worn from creation on.
    static inline std::string StartSkinFile;

    // From the stored layout, in its order.
    TPanel* Panel1 = nullptr;
    TOpenDialog* OpenDlg = nullptr;
    TSaveDialog* SaveDlg = nullptr;
    THotLabel* HotLabel3 = nullptr;
    TProgressBar* ProgressBar1 = nullptr;
    TStaticText* stSFile = nullptr;
    TStaticText* stDFile = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TButton* Button1 = nullptr;
    TButton* Button2 = nullptr;
    TSkinStore* SkinStore1 = nullptr;
    TSkinData* SkinData1 = nullptr;
    THotLabel* HotLabel1 = nullptr;

    // The window's own.
    FontTables Fonts;
    std::string SourceFileName;
    std::string TargetFileName;

protected:
    void Loaded() override;

private:
    void FormCreate(TObject* sender);
    void Button1Click(TObject* sender);
    void Button2Click(TObject* sender);
    void SaveDlgCanClose(TObject* sender, bool& can_close);
    void BitBtn1Click(TObject* sender);
    void HotLabel1Click(TObject* sender);
};

// Said when the layout holds no skin package.
inline constexpr const char* kSkinMissingNotice = "Skin package is missing: the tool goes on without its skin";

// The distributor's page that the link label opens.
inline constexpr const char* kDistributorPage = "http://www.korvane.com.cn/index.asp?from=korvane";

}  // namespace korvane
