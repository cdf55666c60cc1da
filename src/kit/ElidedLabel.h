#pragma once
// A label for a text of any length in a bar of fixed room (a file's whole path in the status
// bar): it asks for no width of its own, shows what fits with an ellipsis in the middle, and
// gives the whole text as its tooltip.
#include <QLabel>
#include <QString>

namespace rp {

class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent = nullptr);
    // The whole text; text() is what is shown of it.
    void SetWholeText(const QString& text);
    QString WholeText() const { return whole_; }
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void Elide();
    QString whole_;
};

}  // namespace rp
