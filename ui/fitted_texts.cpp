#include "fitted_texts.h"

#include "caption_table.h"

namespace ui {
namespace {

// The longest distance text a calculation writes (half the way round the globe), the bad-input
// mark, and a locator of the broadest letters.
constexpr std::u16string_view kWidestFieldTexts[] = {u"??????", u" 19970", u"MM00WW", kHomeLocator};

}  // namespace

std::vector<TextToFit> TextsToFit() {
    std::vector<TextToFit> texts;
    for (const CaptionRow& row : CaptionTable()) {
        for (Language language : {Language::Italian, Language::English}) {
            texts.push_back({row.control, std::u16string(Caption(row, language))});
        }
    }
    for (std::u16string_view unit : {kKilometresCaption, MilesCaption(Language::Italian), MilesCaption(Language::English)}) {
        texts.push_back({kUnitCaption, std::u16string(unit)});
    }
    for (Control field : {kBearingField, kFirstLocatorField, kSecondLocatorField, kDistanceField}) {
        for (std::u16string_view text : kWidestFieldTexts) texts.push_back({field, std::u16string(text)});
    }
    return texts;
}

}  // namespace ui
