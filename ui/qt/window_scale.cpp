#include "window_scale.h"

#include "ui/scale_search.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

#include <algorithm>
#include <optional>

namespace ui::qt {
namespace {

// QLineEdit keeps this much space between its frame and its text line (Qt's own constants).
constexpr int kLineEditHorizontalMargin = 2;
constexpr int kLineEditVerticalMargin = 1;
// The spare pixel at the right of and below a text: glyphs may reach the last pixel of their advance
// and of their font's height.
constexpr int kSparePixels = 1;

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

QSize TextExtent(const QFontMetrics& metrics, const QString& text) {
    return QSize(metrics.horizontalAdvance(text) + kSparePixels, metrics.height() + kSparePixels);
}

bool Fits(QSize need, QSize room) { return need.width() <= room.width() && need.height() <= room.height(); }

QSize TextRoom(const QWidget& control) {
    if (auto* button = qobject_cast<const QPushButton*>(&control)) return ButtonFace(*button).size();
    if (auto* field = qobject_cast<const QLineEdit*>(&control)) return LineEditTextLine(*field).size();
    return control.contentsRect().size();
}

// The scale at which this text would just fit, if frames and margins kept their size.
qreal ScaleNeeded(const TextToFit& fit) {
    const QSize box = fit.control->size();
    const QSize chrome = box - TextRoom(*fit.control);
    const QSize need = TextExtent(QFontMetrics(fit.control->font()), fit.text) + chrome;
    return std::max(qreal(need.width()) / box.width(), qreal(need.height()) / box.height());
}

// The room and the font of a control are looked up once for the run of texts that it shows.
bool EveryTextFits(std::span<const TextToFit> texts) {
    const QWidget* control = nullptr;
    QSize room;
    std::optional<QFontMetrics> metrics;
    for (const TextToFit& fit : texts) {
        if (fit.control != control) {
            control = fit.control;
            room = TextRoom(*control);
            metrics.emplace(control->font());
        }
        if (!Fits(TextExtent(*metrics, fit.text), room)) return false;
    }
    return true;
}

}  // namespace

qreal SmallestFittingScale(std::span<const TextToFit> texts, const std::function<void(qreal)>& layOut) {
    return ui::SmallestFittingScale(
        layOut, [texts] { return EveryTextFits(texts); },
        [texts] {
            qreal scale = 0;
            for (const TextToFit& fit : texts) scale = std::max(scale, ScaleNeeded(fit));
            return scale;
        });
}

}  // namespace ui::qt
