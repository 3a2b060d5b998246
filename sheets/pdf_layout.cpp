#include "sheets/pdf_layout.h"

#include <cstdint>
#include <cstring>
#include <ctime>
#include <stdexcept>
#include <type_traits>

#include "pdf/format.h"

namespace setrix::sheets {

namespace {

using K = ElementKind;
constexpr K Panel = K::Panel, Label = K::Label, Text = K::Text, Image = K::Image;

// Fonts: every text element uses Arial.
constexpr ElementFont NoFont{};
constexpr ElementFont Arial(float size) { return {size, false, false}; }
constexpr ElementFont Bold(float size) { return {size, true, false}; }
constexpr ElementFont BoldItalic(float size) { return {size, true, true}; }

// The "Other" column.
constexpr ElementOther None{};
constexpr ElementOther Right{.rightAligned = true};
constexpr ElementOther Leading(float l) { return {.leading = l}; }
constexpr ElementOther LeadingWrap(float l) { return {.leading = l, .wordWrap = true}; }
constexpr ElementOther NotPrintable{.notPrintable = true};
constexpr ElementOther Shared{.sharedImage = true};
constexpr ElementOther SharedNotStretched{.sharedImage = true, .notStretched = true};

constexpr const char* RunTime = nullptr;  // filled by the documentation

// The tables below are hand-aligned, one element a row.
// clang-format off
// Page PDFPage (tab "RTD/Thermo/DC"): the DC, thermocouple and RTD documentation.
constexpr LayoutElement kPdfPage[] = {
    // Element            Kind    In              Left  Top  Width Height Font              Other            Content
    {"PDFHeadPanel",      Panel,  "PDFPage",         0,    0,  595,  842, NoFont,           None,            RunTime},
    {"PRLabel3",          Label,  "PDFHeadPanel",   57,   34,   57,   25, BoldItalic(16),   None,            "VORNEX"},
    {"PRLabel4",          Label,  "PDFHeadPanel",  106,   37,  100,   30, BoldItalic(12),   None,            "KIT"},
    {"LabelHead1",        Label,  "PDFHeadPanel",   57,   58,  169,   30, Bold(12),         None,            RunTime},
    {"LabelHead2",        Label,  "PDFHeadPanel",  197,   62,   36,   30, Bold(8),          None,            "TELIQ"},
    {"LabelHead3",        Label,  "PDFHeadPanel",  235,   58,  100,   30, Bold(12),         None,            RunTime},
    {"ZTImage",           Image,  "PDFHeadPanel",  454,   30,  114,   15, NoFont,           Shared,          RunTime},
    {"TextZT",            Text,   "PDFHeadPanel",  454,  123,  121,  150, Arial(7),         Leading(9),      RunTime},
    {"InOutTxt",          Text,   "PDFHeadPanel",   57,  123,   72,  174, Bold(11),         Leading(14),     RunTime},
    {"NoteTxt",           Text,   "PDFHeadPanel",  131,  123,  305,   30, Arial(11),        LeadingWrap(14), RunTime},
    {"InOutBlock1",       Text,   "PDFHeadPanel",  131,  165,   97,  132, Arial(11),        Leading(14),     RunTime},
    {"InOutBlock2",       Text,   "PDFHeadPanel",  229,  165,   97,  132, Arial(11),        Leading(14),     RunTime},
    {"ImagePCB",          Image,  "PDFHeadPanel",   57,  308,  225,  172, NoFont,           Shared,          RunTime},
    {"ResultBlock2",      Text,   "PDFHeadPanel",  151,  504,  281,  305, Arial(11),        Leading(14),     RunTime},
    {"ResultBlock1",      Text,   "PDFHeadPanel",   56,  504,   89,  305, Arial(11),        Leading(14),     RunTime},
    {"InOutBlock3",       Text,   "PDFHeadPanel",  381,  165,   50,  132, Arial(11),        Leading(14),     RunTime},
    {"LblSW1",            Label,  "PDFHeadPanel",   72,  344,   17,    8, Bold(8),          None,            "S1"},
    {"LblSW3",            Label,  "PDFHeadPanel",  112,  375,   17,    8, Bold(8),          None,            "S3"},
    {"LblSW2",            Label,  "PDFHeadPanel",  120,  344,   17,    8, Bold(8),          None,            "S2"},
    {"Num1",              Label,  "PDFHeadPanel",  282,  458,   17,    8, Arial(8),         Right,           "1"},
    {"Num2",              Label,  "PDFHeadPanel",  336,  458,    9,    8, Arial(8),         Right,           RunTime},
    {"Num3",              Label,  "PDFHeadPanel",  282,  478,   17,    8, Arial(8),         Right,           RunTime},
    {"Num4",              Label,  "PDFHeadPanel",  336,  478,    9,    8, Arial(8),         Right,           RunTime},
    {"Num5",              Label,  "PDFHeadPanel",  282,  333,   17,    8, Arial(8),         Right,           RunTime},
    {"Num6",              Label,  "PDFHeadPanel",  336,  333,    9,    8, Arial(8),         Right,           RunTime},
    {"Num7",              Label,  "PDFHeadPanel",  282,  316,   17,    8, Arial(8),         Right,           RunTime},
    {"Num8",              Label,  "PDFHeadPanel",  336,  316,    9,    8, Arial(8),         Right,           RunTime},
    {"LblSpan",           Label,  "PDFHeadPanel",  336,  391,   17,    8, Arial(8),         None,            "Span"},
    {"LblZero",           Label,  "PDFHeadPanel",  336,  404,   17,    8, Arial(8),         None,            "Zero"},
    {"ImageKP",           Image,  "PDFHeadPanel",  302,  308,   32,  184, NoFont,           Shared,          RunTime},
    {"IlluLabel",         Label,  "PDFHeadPanel",   57,  484,  224,   16, Bold(8),          NotPrintable,    RunTime},
    {"DCInOutBlock",      Panel,  "PDFHeadPanel",  328,  165,   49,  132, NoFont,           None,            RunTime},
    {"InOutLbl2",         Label,  "DCInOutBlock",    0,   14,   40,   30, Arial(11),        Right,           RunTime},
    {"InOutLbl3",         Label,  "DCInOutBlock",    0,   27,   40,   30, Arial(11),        Right,           RunTime},
    {"InOutLbl4",         Label,  "DCInOutBlock",    0,   56,   40,   30, Arial(11),        Right,           RunTime},
    {"InOutLbl5",         Label,  "DCInOutBlock",    0,   70,   40,   30, Arial(11),        Right,           RunTime},
    {"InOutLbl1",         Label,  "DCInOutBlock",    0,    0,   40,   33, Arial(11),        Right,           RunTime},
    {"SWPan",             Panel,  "PDFHeadPanel",  364,  308,   55,  113, NoFont,           None,            RunTime},
    {"ImageSwOn",         Image,  "SWPan",           1,    1,   17,   41, NoFont,           SharedNotStretched, RunTime},
    {"ImageSWOff",        Image,  "SWPan",           1,   49,   17,   41, NoFont,           SharedNotStretched, RunTime},
    {"LblOn",             Label,  "SWPan",          21,   11,  100,   30, Arial(11),        None,            RunTime},
    {"LblOff",            Label,  "SWPan",          21,   60,  100,   30, Arial(11),        None,            RunTime},
};

// Page FRQ_PDFPage1 (tab "Frequency PG1"): first page of the frequency converter.
constexpr LayoutElement kFrqPage1[] = {
    // Element            Kind    In              Left  Top  Width Height Font              Other            Content
    {"PRLayoutPanel1",    Panel,  "FRQ_PDFPage1",    0,    0,  595,  842, NoFont,           None,            RunTime},
    {"PRLabel1",          Label,  "PRLayoutPanel1", 57,   34,   57,   25, BoldItalic(16),   None,            "VORNEX"},
    {"PRLabel2",          Label,  "PRLayoutPanel1",106,   37,  100,   30, BoldItalic(12),   None,            "KIT"},
    {"FRQ_LabelHead1_P1", Label,  "PRLayoutPanel1", 57,   58,  169,   30, Bold(12),         None,            RunTime},
    {"FRQ_LabelHead2_P1", Label,  "PRLayoutPanel1",197,   62,   36,   30, Bold(8),          None,            "TELIQ"},
    {"FRQ_LabelHead3_P1", Label,  "PRLayoutPanel1",235,   58,  110,   30, Bold(12),         None,            RunTime},
    {"FRQ_ZTImage_P1",    Image,  "PRLayoutPanel1",454,   30,  114,   15, NoFont,           Shared,          RunTime},
    {"FRQ_TextZT_P1",     Text,   "PRLayoutPanel1",454,  123,  121,  150, Arial(7),         Leading(9),      RunTime},
    {"FRQ_InOutTxt_P1",   Text,   "PRLayoutPanel1", 57,  123,   72,  150, Bold(11),         Leading(14),     RunTime},
    {"FRQ_NoteTxt_P1",    Text,   "PRLayoutPanel1",131,  123,  305,   30, Arial(11),        LeadingWrap(14), RunTime},
    {"FRQ_InOutBlock1_P1",Text,   "PRLayoutPanel1",131,  165,   97,  108, Arial(11),        Leading(14),     RunTime},
    {"FRQ_InOutBlock2_P1",Text,   "PRLayoutPanel1",229,  165,   97,  108, Arial(11),        Leading(14),     RunTime},
    {"FRQ_ImagePCB_P1",   Image,  "PRLayoutPanel1", 57,  288,  225,  172, NoFont,           Shared,          RunTime},
    {"Label_FRQSW1_P1",   Label,  "PRLayoutPanel1", 72,  344,   17,    8, Bold(8),          None,            "S1"},
    {"Label_FRQSW2_P1",   Label,  "PRLayoutPanel1",120,  344,   17,    8, Bold(8),          None,            "S2"},
    {"FRQ_Num1_P1",       Label,  "PRLayoutPanel1",282,  438,   17,    8, Arial(8),         Right,           "1"},
    {"FRQ_Num2_P1",       Label,  "PRLayoutPanel1",336,  438,    9,    8, Arial(8),         None,            "2"},
    {"FRQ_Num3_P1",       Label,  "PRLayoutPanel1",282,  458,   17,    8, Arial(8),         Right,           "3"},
    {"FRQ_Num4_P1",       Label,  "PRLayoutPanel1",336,  458,    9,    8, Arial(8),         None,            "4"},
    {"FRQ_Num5_P1",       Label,  "PRLayoutPanel1",282,  313,   17,    8, Arial(8),         Right,           "5"},
    {"FRQ_Num6_P1",       Label,  "PRLayoutPanel1",336,  313,    9,    8, Arial(8),         None,            "6"},
    {"FRQ_Num7_P1",       Label,  "PRLayoutPanel1",282,  296,   17,    8, Arial(8),         Right,           "7"},
    {"FRQ_Num8_P1",       Label,  "PRLayoutPanel1",336,  296,    9,    8, Arial(8),         None,            "8"},
    {"FRQ_ImageKP_P1",    Image,  "PRLayoutPanel1",302,  288,   32,  184, NoFont,           Shared,          RunTime},
    {"FRQ_Illu_1",        Label,  "PRLayoutPanel1", 57,  464,  224,   16, Bold(8),          None,            RunTime},
    {"FRQ_ResultBlock1_P1",Text,  "PRLayoutPanel1", 56,  504,   89,   97, Arial(11),        Leading(14),     RunTime},
    {"FRQ_ResultBlock2_P1",Text,  "PRLayoutPanel1",151,  504,  281,   97, Arial(11),        LeadingWrap(14), RunTime},
    {"FRQ_Caption1",      Label,  "PRLayoutPanel1", 56,  486,  377,   16, Bold(11),         None,            RunTime},
    {"FRQ_ResultBlock3_P1",Text,  "PRLayoutPanel1", 55,  623,  378,   97, Arial(11),        LeadingWrap(14), RunTime},
    {"FRQ_Caption2",      Label,  "PRLayoutPanel1", 56,  605,  281,   16, Bold(11),         None,            RunTime},
    {"FRQ_ResultBlock4_P1",Text,  "PRLayoutPanel1", 55,  737,  378,   97, Arial(11),        Leading(14),     RunTime},
    {"FRQ_Caption3",      Label,  "PRLayoutPanel1", 56,  719,  281,   16, Bold(11),         None,            RunTime},
    {"FRQ_SWPan_P1",      Panel,  "PRLayoutPanel1",364,  288,   55,  113, NoFont,           None,            RunTime},
    {"FRQ_ImageSwOn_P1",  Image,  "FRQ_SWPan_P1",    1,    1,   17,   41, NoFont,           SharedNotStretched, RunTime},
    {"FRQ_ImageSwOff_P1", Image,  "FRQ_SWPan_P1",    1,   49,   17,   41, NoFont,           SharedNotStretched, RunTime},
    {"FRQ_LblOn_P1",      Label,  "FRQ_SWPan_P1",   21,   11,  100,   30, Arial(11),        None,            RunTime},
    {"FRQ_LblOff_P1",     Label,  "FRQ_SWPan_P1",   21,   60,  100,   30, Arial(11),        None,            RunTime},
    {"FRQ_InOutBlock3_P1",Panel,  "PRLayoutPanel1",328,  165,   49,  108, NoFont,           None,            RunTime},
    {"FRQ_Out1Lbl",       Label,  "FRQ_InOutBlock3_P1", 0, 14,  40,   30, Arial(11),        None,            RunTime},
    {"FRQ_Out2Lbl",       Label,  "FRQ_InOutBlock3_P1", 0, 27,  40,   30, Arial(11),        None,            RunTime},
    {"FRQ_Out3Lbl",       Label,  "FRQ_InOutBlock3_P1", 0, 56,  40,   30, Arial(11),        None,            RunTime},
};

// Page FRQ_PDFPage2 (tab "Frequency PG2"): second page of the frequency converter.
constexpr LayoutElement kFrqPage2[] = {
    // Element            Kind    In              Left  Top  Width Height Font              Other            Content
    {"PRLayoutPanel4",    Panel,  "FRQ_PDFPage2",    0,    0,  595,  842, NoFont,           None,            RunTime},
    {"PRLabel28",         Label,  "PRLayoutPanel4", 57,   34,   57,   25, BoldItalic(16),   None,            "VORNEX"},
    {"PRLabel29",         Label,  "PRLayoutPanel4",106,   37,  100,   30, BoldItalic(12),   None,            "KIT"},
    {"FRQ_LabelHead1_P2", Label,  "PRLayoutPanel4", 57,   58,  169,   30, Bold(12),         None,            RunTime},
    {"FRQ_LabelHead2_P2", Label,  "PRLayoutPanel4",197,   62,   36,   30, Bold(8),          None,            "TELIQ"},
    {"FRQ_LabelHead3_P2", Label,  "PRLayoutPanel4",235,   58,  110,   30, Bold(12),         None,            RunTime},
    {"FRQ_ZTImage_P2",    Image,  "PRLayoutPanel4",454,   30,  114,   15, NoFont,           Shared,          RunTime},
    {"FRQ_TextZT_P2",     Text,   "PRLayoutPanel4",454,  123,  121,  150, Arial(7),         Leading(9),      RunTime},
    {"FRQ_InOutTxt_P2",   Text,   "PRLayoutPanel4", 57,  123,   72,   30, Bold(11),         Leading(14),     RunTime},
    {"FRQ_NoteTxt_P2",    Text,   "PRLayoutPanel4",131,  123,  305,   30, Arial(11),        LeadingWrap(14), RunTime},
    {"FRQ_ImagePCB_2_P2", Image,  "PRLayoutPanel4", 57,  328,  225,  172, NoFont,           Shared,          RunTime},
    {"Label_FRQSW1_2_P2", Label,  "PRLayoutPanel4", 72,  364,   17,    8, Bold(8),          None,            "S1"},
    {"Label_FRQSW2_2_P2", Label,  "PRLayoutPanel4",120,  364,   17,    8, Bold(8),          None,            "S2"},
    {"FRQ_ImagePCB_1_P2", Image,  "PRLayoutPanel4", 57,  123,  225,  172, NoFont,           Shared,          RunTime},
    {"Label_FRQSW1_1_P2", Label,  "PRLayoutPanel4", 72,  159,   17,    8, Bold(8),          None,            "S1"},
    {"Label_FRQSW2_1_P2", Label,  "PRLayoutPanel4",120,  159,   17,    8, Bold(8),          None,            "S2"},
    {"FRQ_ImageKP_2_P2",  Image,  "PRLayoutPanel4",302,  328,   32,  184, NoFont,           Shared,          RunTime},
    {"FRQ_Num5_2_P2",     Label,  "PRLayoutPanel4",282,  353,   17,    8, Arial(8),         Right,           "5"},
    {"FRQ_Num7_2_P2",     Label,  "PRLayoutPanel4",282,  336,   17,    8, Arial(8),         Right,           "7"},
    {"FRQ_Num1_2_P2",     Label,  "PRLayoutPanel4",282,  478,   17,    8, Arial(8),         Right,           "1"},
    {"FRQ_Num3_2_P2",     Label,  "PRLayoutPanel4",282,  498,   17,    8, Arial(8),         Right,           "3"},
    {"FRQ_Num4_2_P2",     Label,  "PRLayoutPanel4",336,  498,    9,    8, Arial(8),         None,            "4"},
    {"FRQ_Num2_2_P2",     Label,  "PRLayoutPanel4",336,  478,    9,    8, Arial(8),         None,            "2"},
    {"FRQ_Num6_2_P2",     Label,  "PRLayoutPanel4",336,  353,    9,    8, Arial(8),         None,            "6"},
    {"FRQ_Num8_2_P2",     Label,  "PRLayoutPanel4",336,  336,    9,    8, Arial(8),         None,            "8"},
    {"FRQ_ImageKP_1_P2",  Image,  "PRLayoutPanel4",302,  123,   32,  184, NoFont,           Shared,          RunTime},
    {"FRQ_Num5_1_P2",     Label,  "PRLayoutPanel4",282,  148,   17,    8, Arial(8),         Right,           "5"},
    {"FRQ_Num7_1_P2",     Label,  "PRLayoutPanel4",282,  131,   17,    8, Arial(8),         Right,           "7"},
    {"FRQ_Num1_1_P2",     Label,  "PRLayoutPanel4",282,  273,   17,    8, Arial(8),         Right,           "1"},
    {"FRQ_Num3_1_P2",     Label,  "PRLayoutPanel4",282,  291,   17,    8, Arial(8),         Right,           "3"},
    {"FRQ_Num4_1_P2",     Label,  "PRLayoutPanel4",336,  291,    9,    8, Arial(8),         None,            "4"},
    {"FRQ_Num2_1_P2",     Label,  "PRLayoutPanel4",336,  273,    9,    8, Arial(8),         None,            "2"},
    {"FRQ_Num6_1_P2",     Label,  "PRLayoutPanel4",336,  148,    9,    8, Arial(8),         None,            "6"},
    {"FRQ_Num8_1_P2",     Label,  "PRLayoutPanel4",336,  131,    9,    8, Arial(8),         None,            "8"},
    {"FRQ_Illu_2",        Label,  "PRLayoutPanel4", 57,  299,  224,   16, Bold(8),          None,            RunTime},
    {"FRQ_Illu_3",        Label,  "PRLayoutPanel4", 57,  504,  224,   16, Bold(8),          None,            RunTime},
    {"FRQ_Caption4",      Label,  "PRLayoutPanel4", 56,  540,  281,   16, Bold(11),         None,            RunTime},
    {"FRQ_ResultBlock1_P2",Text,  "PRLayoutPanel4", 56,  558,   89,  275, Arial(11),        Leading(14),     RunTime},
    {"FRQ_ResultBlock2_P2",Text,  "PRLayoutPanel4",151,  558,  281,  275, Arial(11),        Leading(14),     RunTime},
    {"FRQ_SWPan_2_P2",    Panel,  "PRLayoutPanel4",364,  328,   55,  113, NoFont,           None,            RunTime},
    {"FRQ_ImageSwOn_2_P2",Image,  "FRQ_SWPan_2_P2",  1,    1,   17,   41, NoFont,           SharedNotStretched, RunTime},
    {"FRQ_ImageSwOff_2_P2",Image, "FRQ_SWPan_2_P2",  1,   49,   17,   41, NoFont,           SharedNotStretched, RunTime},
    {"FRQ_LblOn_2_P2",    Label,  "FRQ_SWPan_2_P2", 21,   11,  100,   30, Arial(11),        None,            RunTime},
    {"FRQ_LblOff_2_P2",   Label,  "FRQ_SWPan_2_P2", 21,   60,  100,   30, Arial(11),        None,            RunTime},
    {"FRQ_SWPan_1_P2",    Panel,  "PRLayoutPanel4",364,  123,   55,  113, NoFont,           None,            RunTime},
    {"FRQ_ImageSwOn_1_P2",Image,  "FRQ_SWPan_1_P2",  1,    1,   17,   41, NoFont,           SharedNotStretched, RunTime},
    {"FRQ_ImageSwOff_1_P2",Image, "FRQ_SWPan_1_P2",  1,   49,   17,   41, NoFont,           SharedNotStretched, RunTime},
    {"FRQ_LblOn_1_P2",    Label,  "FRQ_SWPan_1_P2", 21,   11,  100,   30, Arial(11),        None,            RunTime},
    {"FRQ_LblOff_1_P2",   Label,  "FRQ_SWPan_1_P2", 21,   60,  100,   30, Arial(11),        None,            RunTime},
};

using dipswitch::TDIPAlignment;
constexpr ScratchBank kScratchBanks[] = {
    // Bank      Count  Alignment
    {"SW1_DC",   10,    TDIPAlignment::Deg_90},
    {"SW2_DC",    5,    TDIPAlignment::Deg_0},
    {"SW3_DC",    3,    TDIPAlignment::Deg_90},
    {"SW1_FRQ",   8,    TDIPAlignment::Deg_180},
    {"SW2_FRQ",   8,    TDIPAlignment::Deg_180},
};
// clang-format on

// Today in the user's short date format (the locale's date representation).
std::string LocalShortDate() {
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  char buf[64];
  const std::size_t n = std::strftime(buf, sizeof buf, "%x", &tm);
  return std::string(buf, n);
}

// Builds the elements of one page under it.
void BuildPage(pdf::TPRPage& page, std::span<const LayoutElement> elements) {
  page.SetWidth(597);
  page.SetHeight(842);
  for (const LayoutElement& e : elements) {
    pdf::TWinControl* parent = nullptr;
    if (e.in == page.Name())
      parent = &page;
    else
      parent = dynamic_cast<pdf::TWinControl*>(page.FindControl(e.in));
    if (!parent) throw std::logic_error("layout: no container " + std::string(e.in));
    const std::string name(e.name);
    switch (e.kind) {
      case K::Panel: parent->Add<pdf::TPRLayoutPanel>(name, e.left, e.top, e.width, e.height); break;
      case K::Label: {
        auto& l = parent->Add<pdf::TPRLabel>(name, e.left, e.top, e.width, e.height);
        l.SetFontName(pdf::TPRFontName::fnArial);
        l.SetFontSize(e.font.size);
        l.SetFontBold(e.font.bold);
        l.SetFontItalic(e.font.italic);
        if (e.other.rightAligned) l.SetAlignment(pdf::TPdfAlignment::taRightJustify);
        l.SetPrintable(!e.other.notPrintable);
        if (e.content) l.SetCaption(e.content);
        break;
      }
      case K::Text: {
        auto& t = parent->Add<pdf::TPRText>(name, e.left, e.top, e.width, e.height);
        t.SetFontName(pdf::TPRFontName::fnArial);
        t.SetFontSize(e.font.size);
        t.SetFontBold(e.font.bold);
        t.SetFontItalic(e.font.italic);
        t.SetLeading(e.other.leading);
        t.SetWordWrap(e.other.wordWrap);
        t.SetPrintable(!e.other.notPrintable);
        if (e.content) t.SetText(e.content);
        break;
      }
      case K::Image: {
        auto& i = parent->Add<pdf::TPRImage>(name, e.left, e.top, e.width, e.height);
        i.SetSharedImage(e.other.sharedImage);
        i.SetStretch(!e.other.notStretched);
        i.SetPrintable(!e.other.notPrintable);
        break;
      }
    }
  }
  page.SetMarginTop(32);
  page.SetMarginLeft(32);
  page.SetMarginRight(32);
  page.SetMarginBottom(32);
}

}  // namespace

std::span<const LayoutElement> PdfPageElements() { return kPdfPage; }
std::span<const LayoutElement> FrqPage1Elements() { return kFrqPage1; }
std::span<const LayoutElement> FrqPage2Elements() { return kFrqPage2; }
std::span<const ScratchBank> ScratchBanks() { return kScratchBanks; }

TPDFForm::TPDFForm() : PDFReport(), DateText(LocalShortDate) {
  PDFReport.SetFileName("default.pdf");
  PDFReport.SetAuthor(pdf::Utf8ToWinAnsi(kReportAuthor));
  PDFReport.SetCreationDate(kReportCreationDate);
  PDFReport.SetKeywords(pdf::Utf8ToWinAnsi(kReportKeywords));
  PDFReport.SetUseOutlines(false);
  PDFReport.SetViewerPreference({});

  BuildPage(PDFPage, kPdfPage);
  BuildPage(FRQ_PDFPage1, kFrqPage1);
  BuildPage(FRQ_PDFPage2, kFrqPage2);
  // Every element by name, as a search of the pages in this order finds it first: the
  // documents look elements up by name hundreds of times each.
  const std::pair<const pdf::TPRPage*, std::span<const LayoutElement>> pages[] = {
      {&PDFPage, kPdfPage}, {&FRQ_PDFPage1, kFrqPage1}, {&FRQ_PDFPage2, kFrqPage2}};
  for (const auto& [page, elements] : pages)
    for (const LayoutElement& e : elements)
      if (pdf::TControl* c = page->FindControl(e.name)) elements_.Add(e.name, *c);  // the first stays

  for (const ScratchBank& b : kScratchBanks) {
    dipswitch::TDIPSwitchObject& s = Bank(b.name).SwitchSettings();
    s.SetCount(b.count);
    s.SetAlignment(b.alignment);
    s.SetBMP_BW(true);
    s.SetValue(-1);
  }
}

std::size_t TPDFForm::ElementIndex::Slot(std::string_view name) const {
  // The names are short: their first and last eight bytes and their length, mixed.
  std::uint64_t a = 0, b = 0;
  if (name.size() >= 8) {
    std::memcpy(&a, name.data(), 8);
    std::memcpy(&b, name.data() + name.size() - 8, 8);
  } else {
    std::memcpy(&a, name.data(), name.size());
  }
  std::uint64_t h = (a * 0x9E3779B97F4A7C15ull) ^ ((b + name.size()) * 0xC2B2AE3D27D4EB4Full);
  const std::size_t mask = slots_.size() - 1;
  std::size_t i = static_cast<std::size_t>(h ^ (h >> 32)) & mask;
  while (slots_[i].control != nullptr && slots_[i].name != name) i = (i + 1) & mask;
  return i;
}

const TPDFForm::ElementIndex::Entry* TPDFForm::ElementIndex::Find(std::string_view name) const {
  const Entry& e = slots_[Slot(name)];
  return e.control != nullptr ? &e : nullptr;
}

void TPDFForm::ElementIndex::Add(std::string_view name, pdf::TControl& control) {
  if (Find(name)) return;
  if (2 * (used_ + 1) > slots_.size()) {  // at most half full: probes stay short
    std::vector<Entry> old(slots_.size() * 2);
    old.swap(slots_);
    used_ = 0;
    for (Entry& e : old)
      if (e.control != nullptr) {
        slots_[Slot(e.name)] = std::move(e);
        ++used_;
      }
  }
  Entry& e = slots_[Slot(name)];
  e = Entry{std::string(name),
            &control,
            dynamic_cast<pdf::TPRLabel*>(&control),
            dynamic_cast<pdf::TPRText*>(&control),
            dynamic_cast<pdf::TPRImage*>(&control),
            dynamic_cast<pdf::TPRPanel*>(&control)};
  ++used_;
}

const TPDFForm::ElementIndex::Entry& TPDFForm::EntryOf(std::string_view name) const {
  if (const ElementIndex::Entry* e = elements_.Find(name)) return *e;
  throw std::out_of_range("layout: no element " + std::string(name));
}

pdf::TControl& TPDFForm::Element(std::string_view name) const { return *EntryOf(name).control; }

template <class T>
T& TPDFForm::Find(std::string_view name) const {
  const ElementIndex::Entry& e = EntryOf(name);
  T* typed = nullptr;
  if constexpr (std::is_same_v<T, pdf::TPRLabel>)
    typed = e.label;
  else if constexpr (std::is_same_v<T, pdf::TPRText>)
    typed = e.text;
  else if constexpr (std::is_same_v<T, pdf::TPRImage>)
    typed = e.image;
  else {
    static_assert(std::is_same_v<T, pdf::TPRPanel>, "a kind the index does not keep");
    typed = e.panel;
  }
  if (typed) return *typed;
  throw std::out_of_range("layout: element " + std::string(name) + " is of another kind");
}

template pdf::TPRLabel& TPDFForm::Find<pdf::TPRLabel>(std::string_view) const;
template pdf::TPRText& TPDFForm::Find<pdf::TPRText>(std::string_view) const;
template pdf::TPRImage& TPDFForm::Find<pdf::TPRImage>(std::string_view) const;
template pdf::TPRPanel& TPDFForm::Find<pdf::TPRPanel>(std::string_view) const;

dipswitch::TDIPSwitch& TPDFForm::Bank(std::string_view name) {
  if (name == "SW1_DC") return SW1_DC;
  if (name == "SW2_DC") return SW2_DC;
  if (name == "SW3_DC") return SW3_DC;
  if (name == "SW1_FRQ") return SW1_FRQ;
  if (name == "SW2_FRQ") return SW2_FRQ;
  throw std::out_of_range("layout: no bank " + std::string(name));
}

}  // namespace setrix::sheets
