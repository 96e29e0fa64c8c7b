// The distance unit toggle's arithmetic: kilometres to miles and back at 1.609 kilometres to the
// mile, each result floored to a whole number, and the exact kilometres behind the distance text
// the window last wrote, so that a round trip through miles gives the kilometres back instead of
// losing one to each floor.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ui {

// The exact kilometres behind a distance text the window wrote, for as long as the field still
// shows that text.
class DistanceMemory {
public:
    // The window wrote text into the distance field; kilometres is the exact distance behind it,
    // or none for a text that holds no distance ("??????").
    void Remember(std::u16string_view text, std::optional<double> kilometres);
    // The kilometres behind shown, when it is the text last written; none once the user edited it.
    std::optional<double> KilometresBehind(std::u16string_view shown) const;

private:
    std::u16string text_;
    std::optional<double> kilometres_;
};

// A converted distance: the text to show and the exact kilometres behind it.
struct DistanceConversion {
    std::u16string text;
    double kilometres;
};

// The miles text for the distance field showing shown: remembered kilometres where there are
// some, else the number the text starts with. None when that number is beyond the double range.
std::optional<DistanceConversion> ConvertToMiles(std::u16string_view shown, std::optional<double> remembered);

// The kilometres text for the distance field showing shown in miles: the remembered kilometres
// where there are some, else the floor of the miles the text starts with times 1.609. None when
// the number or the product is beyond the double range.
std::optional<DistanceConversion> ConvertToKilometres(std::u16string_view shown, std::optional<double> remembered);

}  // namespace ui
