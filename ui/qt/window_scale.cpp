#include "window_scale.h"

#include "qt_text.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

namespace ui::qt {
namespace {

// QLineEdit keeps this much space between its frame and its text line (Qt's own constants).
constexpr int kLineEditHorizontalMargin = 2;
constexpr int kLineEditVerticalMargin = 1;

QRect ButtonFace(const QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    if (button.isDefault()) option.features |= QStyleOptionButton::DefaultButton;
    if (button.autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
    return button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
}

QRect LineEditTextLine(const QLineEdit& field) {
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.rect = field.contentsRect();
    option.lineWidth = field.hasFrame() ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field) : 0;
    option.state |= QStyle::State_Sunken;
    const QRect contents = field.style()->subElementRect(QStyle::SE_LineEditContents, &option, &field);
    return contents.marginsRemoved(field.textMargins())
        .adjusted(kLineEditHorizontalMargin, kLineEditVerticalMargin, -kLineEditHorizontalMargin,
                  -kLineEditVerticalMargin);
}

PixelSize SizeOf(QSize size) { return {size.width(), size.height()}; }

}  // namespace

PixelSize WidgetMeasure::Box(Control control) const { return SizeOf(widget_(control)->size()); }

PixelSize WidgetMeasure::Room(Control control) const {
    const QWidget* widget = widget_(control);
    if (auto* button = qobject_cast<const QPushButton*>(widget)) return SizeOf(ButtonFace(*button).size());
    if (auto* field = qobject_cast<const QLineEdit*>(widget)) return SizeOf(LineEditTextLine(*field).size());
    return SizeOf(widget->contentsRect().size());
}

PixelSize WidgetMeasure::Extent(Control control, std::u16string_view text) const {
    const QFontMetrics metrics(widget_(control)->font());
    return {metrics.horizontalAdvance(ToQString(text)), metrics.height()};
}

}  // namespace ui::qt
