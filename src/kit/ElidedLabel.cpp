#include "kit/ElidedLabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <algorithm>

namespace rp {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
    // A QLabel asks for its whole text's width, and a window grows to what its bars ask for.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setTextFormat(Qt::PlainText);
}

void ElidedLabel::SetWholeText(const QString& text) {
    whole_ = text;
    setToolTip(text);
    Elide();
}

QSize ElidedLabel::minimumSizeHint() const { return {0, QLabel::minimumSizeHint().height()}; }

QSize ElidedLabel::sizeHint() const {
    return {fontMetrics().horizontalAdvance(whole_) + 2 * (margin() + frameWidth()), QLabel::sizeHint().height()};
}

void ElidedLabel::resizeEvent(QResizeEvent* e) {
    QLabel::resizeEvent(e);
    Elide();
}

void ElidedLabel::changeEvent(QEvent* e) {
    QLabel::changeEvent(e);
    if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange) Elide();
}

void ElidedLabel::Elide() {
    const int room = std::max(0, contentsRect().width() - 2 * margin());
    const QString shown = fontMetrics().elidedText(whole_, Qt::ElideMiddle, room);
    if (shown != text()) setText(shown);
}

}  // namespace rp
