#include "hyperlink.h"

#include <QDesktopServices>
#include <QMouseEvent>

HyperlinkLabel::HyperlinkLabel(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, pal.color(QPalette::Link));
    setPalette(pal);
}

void HyperlinkLabel::setUrl(const QUrl& url) {
    url_ = url;
    if (text().isEmpty()) {
        setText(url.isValid() && url.scheme() == QLatin1String("mailto") ? url.path()
                                                                         : url.toString());
    }
    setToolTip(url.toString());
}

bool HyperlinkLabel::activate() {
    if (!url_.isValid()) {
        return false;
    }
    emit activated(url_);
    return QDesktopServices::openUrl(url_);
}

void HyperlinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        activate();
    }
    QLabel::mouseReleaseEvent(event);
}
