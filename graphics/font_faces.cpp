// The face table: the faces of a Japanese Windows system with Office, as the
// system enumerates them (one record per face and character set), with the
// attributes a font of that face gets when the caller names only the face.
#include "font_cache.h"

namespace {

// Japanese faces: the face, then its vertical-writing twin.
#define JA(face, h, w, weight, pitch)                                                \
    {h, w, 0, 0, weight, 0, 0, 0, SHIFTJIS_CHARSET, OUT_STROKE_PRECIS,              \
     CLIP_STROKE_PRECIS, DRAFT_QUALITY, pitch, face},                               \
    {h, w, 0, 0, weight, 0, 0, 0, SHIFTJIS_CHARSET, OUT_STROKE_PRECIS,              \
     CLIP_STROKE_PRECIS, DRAFT_QUALITY, pitch, "@" face}
// A TrueType face in one character set.
#define TT(face, cs, h, w, weight, pitch)                                            \
    {h, w, 0, 0, weight, 0, 0, 0, cs, OUT_STROKE_PRECIS, CLIP_STROKE_PRECIS,         \
     DRAFT_QUALITY, pitch, face}
// The Western, Central European, Cyrillic, Greek, Turkish and Baltic sets.
#define TT6(face, h, w, weight, pitch)                                               \
    TT(face, ANSI_CHARSET, h, w, weight, pitch),                                     \
    TT(face, EASTEUROPE_CHARSET, h, w, weight, pitch),                               \
    TT(face, RUSSIAN_CHARSET, h, w, weight, pitch),                                  \
    TT(face, GREEK_CHARSET, h, w, weight, pitch),                                    \
    TT(face, TURKISH_CHARSET, h, w, weight, pitch),                                  \
    TT(face, BALTIC_CHARSET, h, w, weight, pitch)
// ... and Hebrew, Arabic and Vietnamese: the core faces of Windows 2000/XP.
#define TT9(face, h, w, weight, pitch)                                               \
    TT6(face, h, w, weight, pitch), TT(face, HEBREW_CHARSET, h, w, weight, pitch),   \
    TT(face, ARABIC_CHARSET, h, w, weight, pitch),                                   \
    TT(face, VIETNAMESE_CHARSET, h, w, weight, pitch)
// Bitmap and vector faces.
#define RF(face, cs, h, w, weight, precision, pitch)                                 \
    {h, w, 0, 0, weight, 0, 0, 0, cs, precision, CLIP_STROKE_PRECIS, DRAFT_QUALITY,  \
     pitch, face}

constexpr BYTE kFixedModern = FIXED_PITCH | FF_MODERN;
constexpr BYTE kFixedRoman = FIXED_PITCH | FF_ROMAN;
constexpr BYTE kPropSwiss = VARIABLE_PITCH | FF_SWISS;
constexpr BYTE kPropRoman = VARIABLE_PITCH | FF_ROMAN;
constexpr BYTE kPropScript = VARIABLE_PITCH | FF_SCRIPT;
constexpr BYTE kPropDecorative = VARIABLE_PITCH | FF_DECORATIVE;
constexpr BYTE kPropAny = VARIABLE_PITCH | FF_DONTCARE;

const LOGFONTA kFaces[] = {
    // System faces of Japanese Windows.
    JA("ＭＳ ゴシック", 12, 6, FW_NORMAL, kFixedModern),
    JA("ＭＳ Ｐゴシック", 12, 5, FW_NORMAL, kPropSwiss),
    JA("MS UI Gothic", 12, 5, FW_NORMAL, kPropSwiss),
    JA("ＭＳ 明朝", 12, 6, FW_NORMAL, kFixedRoman),
    JA("ＭＳ Ｐ明朝", 12, 5, FW_NORMAL, kPropRoman),
    // Latin faces of Windows 2000/XP.
    TT9("Arial", 16, 7, FW_NORMAL, kPropSwiss),
    TT9("Courier New", 16, 8, FW_NORMAL, kFixedModern),
    TT9("Times New Roman", 16, 7, FW_NORMAL, kPropRoman),
    TT9("Tahoma", 16, 7, FW_NORMAL, kPropSwiss),
    TT9("Microsoft Sans Serif", 16, 7, FW_NORMAL, kPropSwiss),
    TT6("Verdana", 16, 8, FW_NORMAL, kPropSwiss),
    TT6("Georgia", 16, 7, FW_NORMAL, kPropRoman),
    TT6("Trebuchet MS", 16, 7, FW_NORMAL, kPropSwiss),
    TT6("Palatino Linotype", 16, 7, FW_NORMAL, kPropRoman),
    TT6("Lucida Console", 16, 8, FW_NORMAL, kFixedModern),
    TT6("Lucida Sans Unicode", 16, 7, FW_NORMAL, kPropSwiss),
    TT6("Franklin Gothic Medium", 16, 7, FW_NORMAL, kPropSwiss),
    TT6("Comic Sans MS", 16, 7, FW_NORMAL, kPropScript),
    TT6("Impact", 16, 8, FW_NORMAL, kPropSwiss),
    TT6("Arial Black", 16, 9, FW_HEAVY, kPropSwiss),
    TT("Sylfaen", ANSI_CHARSET, 16, 7, FW_NORMAL, kPropRoman),
    TT("Sylfaen", EASTEUROPE_CHARSET, 16, 7, FW_NORMAL, kPropRoman),
    TT("Sylfaen", RUSSIAN_CHARSET, 16, 7, FW_NORMAL, kPropRoman),
    TT("Sylfaen", GREEK_CHARSET, 16, 7, FW_NORMAL, kPropRoman),
    TT("Sylfaen", TURKISH_CHARSET, 16, 7, FW_NORMAL, kPropRoman),
    TT("Sylfaen", BALTIC_CHARSET, 16, 7, FW_NORMAL, kPropRoman),
    // Latin faces of Office.
    TT6("Arial Narrow", 16, 6, FW_NORMAL, kPropSwiss),
    TT6("Book Antiqua", 16, 7, FW_NORMAL, kPropRoman),
    TT6("Bookman Old Style", 16, 8, FW_NORMAL, kPropRoman),
    TT6("Century Gothic", 16, 7, FW_NORMAL, kPropSwiss),
    TT6("Garamond", 16, 6, FW_NORMAL, kPropRoman),
    TT6("Tw Cen MT", 16, 6, FW_NORMAL, kPropSwiss),
    TT6("Tw Cen MT Condensed", 16, 5, FW_NORMAL, kPropSwiss),
    TT6("Gill Sans MT", 16, 6, FW_NORMAL, kPropSwiss),
    TT6("Rockwell", 16, 7, FW_NORMAL, kPropRoman),
    TT("Century", ANSI_CHARSET, 16, 7, FW_NORMAL, kPropRoman),
    TT("Monotype Corsiva", ANSI_CHARSET, 16, 6, FW_NORMAL, kPropScript),
    TT("Bradley Hand ITC", ANSI_CHARSET, 16, 7, FW_NORMAL, kPropScript),
    TT("Lucida Handwriting", ANSI_CHARSET, 16, 9, FW_NORMAL, kPropScript),
    TT("Lucida Sans", ANSI_CHARSET, 16, 7, FW_NORMAL, kPropSwiss),
    TT("Lucida Bright", ANSI_CHARSET, 16, 7, FW_NORMAL, kPropRoman),
    TT("Lucida Calligraphy", ANSI_CHARSET, 16, 9, FW_NORMAL, kPropScript),
    TT("Lucida Fax", ANSI_CHARSET, 16, 8, FW_NORMAL, kPropRoman),
    TT("Lucida Sans Typewriter", ANSI_CHARSET, 16, 8, FW_NORMAL, kFixedModern),
    TT("Haettenschweiler", ANSI_CHARSET, 16, 5, FW_NORMAL, kPropSwiss),
    TT("Edwardian Script ITC", ANSI_CHARSET, 16, 6, FW_NORMAL, kPropScript),
    TT("French Script MT", ANSI_CHARSET, 16, 5, FW_NORMAL, kPropScript),
    TT("Kristen ITC", ANSI_CHARSET, 16, 8, FW_NORMAL, kPropScript),
    TT("Papyrus", ANSI_CHARSET, 16, 8, FW_NORMAL, kPropScript),
    TT("Tempus Sans ITC", ANSI_CHARSET, 16, 7, FW_NORMAL, kPropDecorative),
    TT("Viner Hand ITC", ANSI_CHARSET, 16, 8, FW_NORMAL, kPropScript),
    TT("Vivaldi", ANSI_CHARSET, 16, 8, FW_NORMAL, kPropScript),
    TT("Vladimir Script", ANSI_CHARSET, 16, 7, FW_NORMAL, kPropScript),
    TT("Mistral", ANSI_CHARSET, 16, 6, FW_NORMAL, kPropScript),
    TT("Juice ITC", ANSI_CHARSET, 16, 5, FW_NORMAL, kPropDecorative),
    TT("Jokerman", ANSI_CHARSET, 16, 9, FW_NORMAL, kPropDecorative),
    TT("Chiller", ANSI_CHARSET, 16, 5, FW_NORMAL, kPropDecorative),
    TT("Curlz MT", ANSI_CHARSET, 16, 7, FW_NORMAL, kPropDecorative),
    TT("Matura MT Script Capitals", ANSI_CHARSET, 16, 10, FW_NORMAL, kPropScript),
    TT("Old English Text MT", ANSI_CHARSET, 16, 7, FW_NORMAL, kPropScript),
    TT("Informal Roman", ANSI_CHARSET, 16, 7, FW_NORMAL, kPropScript),
    TT("Harrington", ANSI_CHARSET, 16, 8, FW_NORMAL, kPropDecorative),
    TT("Bernard MT Condensed", ANSI_CHARSET, 16, 6, FW_NORMAL, kPropRoman),
    TT("Britannic Bold", ANSI_CHARSET, 16, 7, FW_NORMAL, kPropSwiss),
    TT("Broadway", ANSI_CHARSET, 16, 10, FW_NORMAL, kPropDecorative),
    TT("Brush Script MT", ANSI_CHARSET, 16, 6, FW_NORMAL, kPropScript),
    TT("Colonna MT", ANSI_CHARSET, 16, 8, FW_NORMAL, kPropDecorative),
    TT("Cooper Black", ANSI_CHARSET, 16, 9, FW_NORMAL, kPropRoman),
    TT("Footlight MT Light", ANSI_CHARSET, 16, 6, FW_LIGHT, kPropRoman),
    TT("Harlow Solid Italic", ANSI_CHARSET, 16, 8, FW_NORMAL, kPropDecorative),
    TT("High Tower Text", ANSI_CHARSET, 16, 7, FW_NORMAL, kPropRoman),
    TT("Magneto", ANSI_CHARSET, 16, 11, FW_BOLD, kPropDecorative),
    TT("Modern No. 20", ANSI_CHARSET, 16, 6, FW_NORMAL, kPropRoman),
    TT("Niagara Engraved", ANSI_CHARSET, 16, 4, FW_NORMAL, kPropDecorative),
    TT("Niagara Solid", ANSI_CHARSET, 16, 4, FW_NORMAL, kPropDecorative),
    TT("Onyx", ANSI_CHARSET, 16, 5, FW_NORMAL, kPropDecorative),
    TT("Parchment", ANSI_CHARSET, 16, 4, FW_NORMAL, kPropScript),
    TT("Playbill", ANSI_CHARSET, 16, 5, FW_NORMAL, kPropDecorative),
    TT("Poor Richard", ANSI_CHARSET, 16, 7, FW_NORMAL, kPropRoman),
    TT("Ravie", ANSI_CHARSET, 16, 11, FW_NORMAL, kPropDecorative),
    TT("Showcard Gothic", ANSI_CHARSET, 16, 9, FW_NORMAL, kPropDecorative),
    TT("Snap ITC", ANSI_CHARSET, 16, 10, FW_NORMAL, kPropDecorative),
    TT("Stencil", ANSI_CHARSET, 16, 8, FW_NORMAL, kPropDecorative),
    TT("Wide Latin", ANSI_CHARSET, 16, 14, FW_NORMAL, kPropRoman),
    TT("Algerian", ANSI_CHARSET, 16, 9, FW_NORMAL, kPropDecorative),
    TT("Castellar", ANSI_CHARSET, 16, 10, FW_NORMAL, kPropRoman),
    TT("Copperplate Gothic Bold", ANSI_CHARSET, 16, 10, FW_NORMAL, kPropSwiss),
    TT("Copperplate Gothic Light", ANSI_CHARSET, 16, 10, FW_NORMAL, kPropSwiss),
    TT("Elephant", ANSI_CHARSET, 16, 9, FW_NORMAL, kPropRoman),
    TT("Engravers MT", ANSI_CHARSET, 16, 11, FW_NORMAL, kPropRoman),
    TT("Felix Titling", ANSI_CHARSET, 16, 9, FW_NORMAL, kPropDecorative),
    TT("Forte", ANSI_CHARSET, 16, 7, FW_NORMAL, kPropScript),
    TT("Freestyle Script", ANSI_CHARSET, 16, 5, FW_NORMAL, kPropScript),
    TT("Gigi", ANSI_CHARSET, 16, 8, FW_NORMAL, kPropDecorative),
    TT("Goudy Old Style", ANSI_CHARSET, 16, 7, FW_NORMAL, kPropRoman),
    TT("Imprint MT Shadow", ANSI_CHARSET, 16, 7, FW_NORMAL, kPropDecorative),
    TT("Kunstler Script", ANSI_CHARSET, 16, 5, FW_NORMAL, kPropScript),
    TT("Maiandra GD", ANSI_CHARSET, 16, 7, FW_NORMAL, kPropSwiss),
    TT("Perpetua", ANSI_CHARSET, 16, 6, FW_NORMAL, kPropRoman),
    TT("Pristina", ANSI_CHARSET, 16, 6, FW_NORMAL, kPropScript),
    TT("Rage Italic", ANSI_CHARSET, 16, 6, FW_NORMAL, kPropScript),
    TT("Script MT Bold", ANSI_CHARSET, 16, 7, FW_BOLD, kPropScript),
    TT("Blackadder ITC", ANSI_CHARSET, 16, 6, FW_NORMAL, kPropDecorative),
    TT("Agency FB", ANSI_CHARSET, 16, 5, FW_NORMAL, kPropSwiss),
    TT("Berlin Sans FB", ANSI_CHARSET, 16, 7, FW_NORMAL, kPropSwiss),
    TT("Bodoni MT", ANSI_CHARSET, 16, 7, FW_NORMAL, kPropRoman),
    TT("Californian FB", ANSI_CHARSET, 16, 7, FW_NORMAL, kPropRoman),
    TT("Calisto MT", ANSI_CHARSET, 16, 7, FW_NORMAL, kPropRoman),
    TT("Centaur", ANSI_CHARSET, 16, 6, FW_NORMAL, kPropRoman),
    TT("Eras Medium ITC", ANSI_CHARSET, 16, 7, FW_NORMAL, kPropSwiss),
    TT("Gloucester MT Extra Condensed", ANSI_CHARSET, 16, 4, FW_NORMAL, kPropRoman),
    // Symbol faces.
    TT("Symbol", SYMBOL_CHARSET, 16, 8, FW_NORMAL, kPropRoman),
    TT("Wingdings", SYMBOL_CHARSET, 16, 14, FW_NORMAL, kPropAny),
    TT("Wingdings 2", SYMBOL_CHARSET, 16, 13, FW_NORMAL, kPropRoman),
    TT("Wingdings 3", SYMBOL_CHARSET, 16, 12, FW_NORMAL, kPropRoman),
    TT("Webdings", SYMBOL_CHARSET, 16, 16, FW_NORMAL, kPropRoman),
    TT("Marlett", SYMBOL_CHARSET, 16, 16, FW_NORMAL, kPropAny),
    TT("MS Outlook", SYMBOL_CHARSET, 16, 12, FW_NORMAL, kPropAny),
    TT("Bookshelf Symbol 7", SYMBOL_CHARSET, 16, 14, FW_NORMAL, kPropAny),
    TT("MS Reference Specialty", SYMBOL_CHARSET, 16, 14, FW_NORMAL, kPropAny),
    TT("MT Extra", SYMBOL_CHARSET, 16, 9, FW_NORMAL, kPropRoman),
    // Office's Japanese faces, then Unicode faces that cover Shift-JIS.
    JA("HGｺﾞｼｯｸE", 12, 6, FW_HEAVY, kFixedModern),
    JA("HGPｺﾞｼｯｸE", 12, 5, FW_HEAVY, kPropSwiss),
    JA("HGSｺﾞｼｯｸE", 12, 5, FW_HEAVY, kPropSwiss),
    JA("HGｺﾞｼｯｸM", 12, 6, FW_MEDIUM, kFixedModern),
    JA("HGPｺﾞｼｯｸM", 12, 5, FW_MEDIUM, kPropSwiss),
    JA("HGSｺﾞｼｯｸM", 12, 5, FW_MEDIUM, kPropSwiss),
    JA("HG丸ｺﾞｼｯｸM-PRO", 12, 6, FW_MEDIUM, kPropSwiss),
    JA("HG正楷書体-PRO", 12, 6, FW_NORMAL, kPropScript),
    JA("HG創英角ﾎﾟｯﾌﾟ体", 12, 6, FW_NORMAL, kFixedModern),
    JA("HGP創英角ﾎﾟｯﾌﾟ体", 12, 5, FW_NORMAL, kPropSwiss),
    JA("HGS創英角ﾎﾟｯﾌﾟ体", 12, 5, FW_NORMAL, kPropSwiss),
    JA("HG明朝B", 12, 6, FW_BOLD, kFixedRoman),
    JA("HGP明朝B", 12, 5, FW_BOLD, kPropRoman),
    JA("HGS明朝B", 12, 5, FW_BOLD, kPropRoman),
    JA("HG明朝E", 12, 6, FW_HEAVY, kFixedRoman),
    JA("HGP明朝E", 12, 5, FW_HEAVY, kPropRoman),
    JA("HGS明朝E", 12, 5, FW_HEAVY, kPropRoman),
    JA("HG教科書体", 12, 6, FW_NORMAL, kFixedRoman),
    JA("HGP教科書体", 12, 5, FW_NORMAL, kPropRoman),
    JA("HGS教科書体", 12, 5, FW_NORMAL, kPropRoman),
    JA("HG行書体", 12, 6, FW_NORMAL, kPropScript),
    JA("HGP行書体", 12, 5, FW_NORMAL, kPropScript),
    JA("HG創英角ｺﾞｼｯｸUB", 12, 6, FW_HEAVY, kFixedModern),
    JA("HGP創英角ｺﾞｼｯｸUB", 12, 5, FW_HEAVY, kPropSwiss),
    JA("HGS創英角ｺﾞｼｯｸUB", 12, 5, FW_HEAVY, kPropSwiss),
    JA("HG創英ﾌﾟﾚｾﾞﾝｽEB", 12, 6, FW_EXTRABOLD, kFixedRoman),
    JA("HGP創英ﾌﾟﾚｾﾞﾝｽEB", 12, 5, FW_EXTRABOLD, kPropRoman),
    JA("HGS創英ﾌﾟﾚｾﾞﾝｽEB", 12, 5, FW_EXTRABOLD, kPropRoman),
    JA("Arial Unicode MS", 16, 7, FW_NORMAL, kPropSwiss),
    // Bitmap and vector faces; the system's own bitmap faces carry Shift-JIS.
    RF("System", SHIFTJIS_CHARSET, 16, 8, FW_BOLD, OUT_STRING_PRECIS, kPropSwiss),
    RF("@System", SHIFTJIS_CHARSET, 16, 8, FW_BOLD, OUT_STRING_PRECIS, kPropSwiss),
    RF("Fixedsys", SHIFTJIS_CHARSET, 16, 8, FW_NORMAL, OUT_STRING_PRECIS, kFixedModern),
    RF("@Fixedsys", SHIFTJIS_CHARSET, 16, 8, FW_NORMAL, OUT_STRING_PRECIS, kFixedModern),
    RF("Terminal", SHIFTJIS_CHARSET, 12, 6, FW_NORMAL, OUT_STRING_PRECIS, kFixedModern),
    RF("@Terminal", SHIFTJIS_CHARSET, 12, 6, FW_NORMAL, OUT_STRING_PRECIS, kFixedModern),
    RF("Courier", ANSI_CHARSET, 13, 8, FW_NORMAL, OUT_STRING_PRECIS, kFixedModern),
    RF("MS Sans Serif", ANSI_CHARSET, 13, 5, FW_NORMAL, OUT_STRING_PRECIS, kPropSwiss),
    RF("MS Serif", ANSI_CHARSET, 13, 5, FW_NORMAL, OUT_STRING_PRECIS, kPropRoman),
    RF("Small Fonts", ANSI_CHARSET, 3, 1, FW_NORMAL, OUT_STRING_PRECIS, kPropSwiss),
    RF("Modern", OEM_CHARSET, 36, 22, FW_NORMAL, OUT_STROKE_PRECIS, kPropAny | FF_MODERN),
    RF("Roman", OEM_CHARSET, 36, 22, FW_NORMAL, OUT_STROKE_PRECIS, kPropRoman),
    RF("Script", OEM_CHARSET, 36, 22, FW_NORMAL, OUT_STROKE_PRECIS, kPropScript),
};

}  // namespace

extern const int32_t kFontFaceCount = int32_t(sizeof kFaces / sizeof kFaces[0]);

const LOGFONTA *zek_font_faces()
{
    return kFaces;
}

int32_t zek_font_face_count()
{
    return kFontFaceCount;
}
