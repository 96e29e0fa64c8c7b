#include "caption_table.h"

namespace ui {
namespace {

constexpr CaptionRow kCaptions[] = {
    // control     Italian        English
    {"Command1", "Calcola",     "Calculate"},
    {"Command2", "Esci",        "Exit"},
    {"Label1",   "Locatore 1",  "Locator 1"},
    {"Label2",   "Locatore 2",  "Locator 2"},
    {"Label4",   "Puntamento",  "Bearing"},
};

// Each flag is named in its own language, as language choosers usually are.
constexpr CaptionRow kAccessibleNames[] = {
    // control     Italian        English
    {"Picture1", "Bussola",     "Compass"},
    {"Picture2", "English",     "English"},
    {"Picture3", "Italiano",    "Italiano"},
    {"Picture4", "Km/miglia",   "Km/miles"},
};

}  // namespace

std::span<const CaptionRow> CaptionTable() { return kCaptions; }

std::span<const CaptionRow> AccessibleNameTable() { return kAccessibleNames; }

const char* Caption(const CaptionRow& row, Language language) {
    return language == Language::Italian ? row.italian : row.english;
}

const char* MilesCaption(Language language) { return language == Language::Italian ? "Miglia" : "Miles"; }

const char* LanguageTagOf(Language language) { return language == Language::Italian ? "ita" : "eng"; }

}  // namespace ui
