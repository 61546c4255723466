#include "platform/Controls.h"

#include "platform/Picture.h"

#include <QFrame>
#include <QImage>
#include <QPainter>

namespace platform {

namespace {

// A sunken frame showing its picture scaled to fit, centred, in proportion.
class WellWidget : public QFrame {
public:
    explicit WellWidget(QWidget* parent) : QFrame(parent) { setFrameStyle(QFrame::StyledPanel | QFrame::Sunken); }

    void setImage(const QImage& image)
    {
        image_ = image;
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QFrame::paintEvent(event);
        const QRect area = contentsRect();
        if (image_.isNull() || area.isEmpty())
            return;
        QSize size = image_.size();
        size.scale(area.size(), Qt::KeepAspectRatio);
        QRect placed(QPoint(0, 0), size);
        placed.moveCenter(area.center());
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(placed, image_);
    }

private:
    QImage image_;
};

} // namespace

QWidget* ImageWell::createWidget(QWidget* parent)
{
    auto* well = new WellWidget(parent);
    if (image_ != nullptr)
        well->setImage(image_->image());
    return well;
}

void ImageWell::setImage(std::shared_ptr<Picture> picture)
{
    image_ = std::move(picture);
    if (widget() != nullptr)
        static_cast<WellWidget*>(widget())->setImage(image_ != nullptr ? image_->image() : QImage());
}

} // namespace platform
