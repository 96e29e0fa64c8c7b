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

}  // namespace

std::span<const CaptionRow> CaptionTable() { return kCaptions; }

const char* Caption(const CaptionRow& row, Language language) {
    return language == Language::Italian ? row.italian : row.english;
}

const char* MilesCaption(Language language) { return language == Language::Italian ? "Miglia" : "Miles"; }

const char* LanguageTagOf(Language language) { return language == Language::Italian ? "ita" : "eng"; }

}  // namespace ui
