// TComQorCSS1: the settings of one gallery (everything that decides how it looks and
// behaves), its pictures as attribute lines and the free project description. The
// published members below are the persistent state: a project file is the stream of
// exactly these, in this order (see PublishedProps.h). Make writes the gallery folder.
#pragma once

#include "gallery/MakeWarnings.h"
#include "gallery/QorKey.h"
#include "util/TextFile.h"

#include <cstdint>
#include <functional>
#include <string>

namespace qor {

using TColor = int32_t; // 0x00BBGGRR; system colours carry FF in the top byte

class TCustomImgLS;
class TComQorCSS1;

// Builds the page lines of the picture at Index (from 0): its line in the slides list and
// its line in the thumbnail list. On entry both hold the previous picture's lines.
using TOnMakeHTMLLine = std::function<void(const TComQorCSS1& sender, int32_t Index,
                                           std::string& ASlideLI, std::string& AThumbLI)>;

class TComQorCSS1 {
public:
    // A settings object made by code: Identifier "qorcss1" + the program's short version.
    TComQorCSS1();
    // The main window's project settings: Identifier "qorcss1", placed at 167, 602.
    static TComQorCSS1 NewProjectSettings();
    // The settings dialog's working copy: Identifier "qorcss117.0", placed at 239, 10.
    static TComQorCSS1 NewDialogSettings();

    // Published properties, in declaration order.
    std::string BackGroundColorHex = "FFFFFF";
    std::string Identifier;
    std::string OutFolder;
    std::string StyleSheet = "style.css";
    std::string HTML = "index.html";
    std::string PageTitle = "QorSlider";
    int32_t ControllerType = 0; // 0 thumbnails, 1 numbers, 2 dots, 3 none
    int32_t FrameType = 0;      // 0 none, 1 shadow, 2 frame
    int32_t TransitIndex = 0;
    long double TransitDuration = 1.0L;
    bool ProgressBar = false;
    bool AutoHideCtrl = false;
    bool AutoSlideShow = false;
    long double SlideshowInterval = 0.0L;
    int32_t ShowQorHeader = 0; // 0 plain, 1 header, 2..4 site with 1..3 columns
    int32_t ImageWidth = 0;
    int32_t ImageHeight = 0;
    int32_t ThumbWidth = 0;
    int32_t ThumbHeight = 0;
    int32_t ThumbBorderWidth = 0;
    int32_t ThumbTitleOffsetY = 0;
    int32_t WrapperMarginY = 10;
    std::string ThumbBorderColorHex;
    std::string GalleryFrameColorHex = "F0F0F0";
    TColor StartColor = 0;
    TColor EndColor = 0;
    bool ShowThumbTitle = false;
    int32_t ThumbTitleHeight = 0;
    bool ThumbPolaroid = false;
    bool ShowTopic = false;
    int32_t CommentPosIndex = 1; // none, up, down, custom, customl, customr
    std::string ColorCommentText;
    std::string ColorCommentShadow;
    std::string ColorCommentBG;
    std::string ColorTopicText;
    std::string ColorTopicShadow;
    std::string ColorTopicBG;
    std::string ColorThumbTitleText;
    std::string ColorThumbTitleShadow;
    std::string ColorProgressBar;
    std::string NextArrowFile;
    std::string PrevArrowFile;
    int32_t CtrlPosition = 0;
    int32_t CtrlWidth = 100;
    bool Responsive = false;
    int32_t MinScale = 50;
    bool MouseEmulateFlick = false;
    bool ShowButton = true;
    int32_t ImageQuality = 80;
    int32_t SlideIdentifier = 0;
    TStringList AttrLS;
    TStringList Descriptions;
    TOnMakeHTMLLine OnMakeLIEntry; // when assigned, replaces the built-in page-line builder
    bool SuppressWrapperNote = false;
    bool DemoMode = false;
    // Build option, not stored in the project: slide pictures after the first and all
    // thumbnails name their file in data-src, so the gallery script fetches them on demand.
    bool LazyPictures = false;
    int32_t DemoWidth = 1200;
    // The language the page declares in <html lang>; empty keeps the template's declaration.
    std::string PageLanguage;

    // Carried besides the published properties: the object's name, its tag and its place
    // on the design surface of its window.
    std::string Name = "QorCSS1";
    int32_t Tag = 0;
    uint16_t Left = 0;
    uint16_t Top = 0;

    // Height of the area that holds the controller (thumbnails, numbers or dots).
    int32_t ThumbStripHeight() const;

    // The transition table: script names and display names, indexed by TransitIndex.
    void SetTransitItems(const TStringList& items) { FTransitItems = items; }
    void SetTransitNames(const TStringList& names) { FTransitNames = names; }
    const TStringList& TransitItems() const { return FTransitItems; }
    const TStringList& TransitNames() const { return FTransitNames; }
    static const TStringList& StdTransitItems();
    static const TStringList& StdTransitNames();

    void SetOutFolder(const std::string& path) { OutFolder = path; }
    // Stores the resource folder; when it exists, loads the style-sheet and page templates
    // at once (a template missing now is reported by Make).
    void SetRscFolder(const std::string& path);
    const std::string& RscFolder() const { return FRscFolder; }
    void connectXEImgLS(TCustomImgLS* list) { FXEImgLS = list; }
    const TCustomImgLS* XEImgLS() const { return FXEImgLS; }

    // The gallery script's text, written into every gallery.
    void AssignJS(const TStringList& lines) { FJava = lines; }
    // Loads "js/jquery.qorslider.min.js" of the resource folder; throws the file error and
    // keeps the text when it cannot be read. True when the text has lines.
    bool ParseJS();
    const TStringList& Java() const { return FJava; }

    // Writes the page, the style sheet with its pictures and the script folder into
    // OutFolder, reading the templates afresh. False, writing nothing, without script text.
    // A template that cannot be read or a file that cannot be written throws its error
    // naming the file; what was written before stays. A page or style-sheet name that is
    // not a plain file name is replaced by its default ("index.html", "style.css"); that and
    // every asset that could not be copied are left in MakeWarnings. The files written are
    // added to the folder's build record (BuildRecord.h).
    bool Make();
    const TMakeWarnings& MakeWarnings() const { return FMakeWarnings; }

    // The templates as last loaded, with their keys, and the log of the last style-sheet
    // key scan ("%3d: %s", line index and line text, one line per key).
    const TQorKeys& KeyCSS() const { return FKeyCSS; }
    const TStringList& IndexLS() const { return FIndexLS; }
    const TQorKeys& KeyIndex() const { return FKeyIndex; }
    const TQorKeys& KeyImg() const { return FKeyImg; }
    const TStringList& Log() const { return FLog; }

    // Writes the project file atomically; throws on a file-system error (the old file stays).
    void SaveToFile(const std::string& fileName) const;
    // False without a message when the file does not exist; throws EProjectReadError with the
    // reader's text when the file cannot be read (what was read before the error stays).
    bool LoadFromFile(const std::string& fileName);
    // True when the current settings differ from the given project file.
    bool IsUpdated(const std::string& fileName) const;

private:
    void LoadStyleSheetTemplate();
    void LoadPageTemplate();

    std::string FRscFolder;
    TCustomImgLS* FXEImgLS = nullptr;
    TStringList FJava;
    TStringList FCSSLS;
    TQorKeys FKeyCSS;
    TStringList FIndexLS;
    TQorKeys FKeyIndex;
    TQorKeys FKeyImg;
    TStringList FLog;
    TMakeWarnings FMakeWarnings;
    TStringList FTransitItems = StdTransitItems();
    TStringList FTransitNames = StdTransitNames();
};

} // namespace qor
