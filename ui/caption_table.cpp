#include "caption_table.h"

namespace ui {
namespace {

using enum Control;

constexpr CaptionRow kCaptions[] = {
    // control   Italian          English
    {Command1, u"Calcola",     u"Calculate"},
    {Command2, u"Esci",        u"Exit"},
    {Label1,   u"Locatore 1",  u"Locator 1"},
    {Label2,   u"Locatore 2",  u"Locator 2"},
    {Label4,   u"Puntamento",  u"Bearing"},
};

// Each flag is named in its own language, as language choosers usually are.
constexpr PictureNameRow kPictureNames[] = {
    // picture   role                         Italian         English        chooses
    {Picture1, PictureRole::Image,          u"Bussola",     u"Compass"},
    {Picture2, PictureRole::LanguageChoice, u"English",     u"English",     Language::English},
    {Picture3, PictureRole::LanguageChoice, u"Italiano",    u"Italiano",    Language::Italian},
    {Picture4, PictureRole::Button,         u"Km/miglia",   u"Km/miles"},
};

}  // namespace

std::span<const CaptionRow> CaptionTable() { return kCaptions; }

std::u16string_view Caption(const CaptionRow& row, Language language) {
    return language == Language::Italian ? row.italian : row.english;
}

std::span<const PictureNameRow> PictureNameTable() { return kPictureNames; }

std::u16string_view Name(const PictureNameRow& row, Language language) {
    return language == Language::Italian ? row.italian : row.english;
}

bool Checked(const PictureNameRow& row, Language language) {
    return row.role == PictureRole::LanguageChoice && row.chooses == language;
}

std::u16string_view MilesCaption(Language language) { return language == Language::Italian ? u"Miglia" : u"Miles"; }

std::u16string_view LanguageTagOf(Language language) { return language == Language::Italian ? u"ita" : u"eng"; }

}  // namespace ui
