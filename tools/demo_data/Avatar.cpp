#include "Avatar.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace vemra::demo {

namespace {

// Drawn on a 100 x 100 canvas at four times the final size, then scaled down smoothly.
constexpr int oversampling = 4;

void fillEllipse(QPainter& p, const QColor& colour, QPointF centre, double rx, double ry)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(centre, rx, ry);
}

void drawBackdrop(QPainter& p, const Speaker& s)
{
    QRadialGradient glow(QPointF(50, 40), 75);
    glow.setColorAt(0, s.look.backdrop.lighter(125));
    glow.setColorAt(1, s.look.backdrop);
    p.fillRect(QRectF(0, 0, 100, 100), glow);
    // A few soft rings, placed by the speaker's number, to tell the backdrops apart at a glance.
    p.setPen(QPen(QColor(255, 255, 255, 70), 3));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const double x = (s.number * 37 + i * 29) % 100;
        const double y = (s.number * 23 + i * 41) % 100;
        p.drawEllipse(QPointF(x, y), 6 + i * 3, 6 + i * 3);
    }
}

void drawHairBehind(QPainter& p, const Speaker& s)
{
    const QColor& hair = s.look.hair;
    p.setPen(Qt::NoPen);
    p.setBrush(hair);
    switch (s.look.hairStyle) {
    case HairStyle::Long: p.drawRoundedRect(QRectF(22, 26, 56, 64), 20, 20); break;
    case HairStyle::Bob: p.drawRoundedRect(QRectF(21, 24, 58, 48), 18, 18); break;
    case HairStyle::TwinTails:
        fillEllipse(p, hair, QPointF(17, 58), 10, 24);
        fillEllipse(p, hair, QPointF(83, 58), 10, 24);
        break;
    case HairStyle::Bun: fillEllipse(p, hair, QPointF(50, 17), 13, 12); break;
    default: break;
    }
}

void drawBodyAndHead(QPainter& p, const Speaker& s)
{
    p.setPen(Qt::NoPen);
    p.setBrush(s.look.clothes);
    p.drawEllipse(QPointF(50, 112), 40, 32);
    p.setBrush(s.look.skin);
    p.drawRect(QRectF(43, 66, 14, 14));
    p.drawEllipse(QPointF(50, 48), 24, 26);
}

void drawHairInFront(QPainter& p, const Speaker& s)
{
    const QColor& hair = s.look.hair;
    p.setPen(Qt::NoPen);
    p.setBrush(hair);
    switch (s.look.hairStyle) {
    case HairStyle::Bald:
        fillEllipse(p, hair, QPointF(27, 48), 5, 9);
        fillEllipse(p, hair, QPointF(73, 48), 5, 9);
        return;
    case HairStyle::Spiky: {
        QPainterPath spikes;
        spikes.moveTo(24, 44);
        const double tips[][2] = {{22, 22}, {34, 30}, {38, 12}, {48, 26}, {56, 10}, {62, 26}, {74, 16}, {70, 32}, {80, 30}};
        for (const auto& tip : tips)
            spikes.lineTo(tip[0], tip[1] + 4);
        spikes.lineTo(76, 44);
        spikes.closeSubpath();
        p.drawPath(spikes);
        p.drawChord(QRectF(25, 22, 50, 36), 0, 180 * 16);
        return;
    }
    default: break;
    }
    // A cap of hair over the top of the head, with a fringe over the forehead.
    p.drawChord(QRectF(24, 20, 52, 40), 0, 180 * 16);
    QPainterPath fringe;
    fringe.moveTo(26, 40);
    fringe.quadTo(38, 46, 46, 36);
    fringe.quadTo(58, 46, 74, 40);
    fringe.lineTo(74, 34);
    fringe.lineTo(26, 34);
    fringe.closeSubpath();
    p.drawPath(fringe);
}

void drawFace(QPainter& p, const Speaker& s)
{
    const QColor ink("#3a2a2a");
    if (s.look.smilingEyes) {
        p.setPen(QPen(ink, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(36, 48, 10, 8), 0, 180 * 16);
        p.drawArc(QRectF(54, 48, 10, 8), 0, 180 * 16);
    } else {
        fillEllipse(p, ink, QPointF(41, 52), 3.2, 4.2);
        fillEllipse(p, ink, QPointF(59, 52), 3.2, 4.2);
        fillEllipse(p, Qt::white, QPointF(42, 50.5), 1.1, 1.1);
        fillEllipse(p, Qt::white, QPointF(60, 50.5), 1.1, 1.1);
    }
    fillEllipse(p, QColor(255, 120, 130, 90), QPointF(35, 60), 5, 3);
    fillEllipse(p, QColor(255, 120, 130, 90), QPointF(65, 60), 5, 3);
    p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(44, 58, 12, 8), 200 * 16, 140 * 16);
}

void drawAccessory(QPainter& p, const Speaker& s)
{
    switch (s.look.accessory) {
    case Accessory::None: break;
    case Accessory::Ribbon: {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor("#e53950"));
        p.drawPolygon(QPolygonF({QPointF(70, 22), QPointF(60, 14), QPointF(60, 30)}));
        p.drawPolygon(QPolygonF({QPointF(70, 22), QPointF(80, 14), QPointF(80, 30)}));
        fillEllipse(p, QColor("#b0203a"), QPointF(70, 22), 3, 3);
        break;
    }
    case Accessory::Glasses:
        p.setPen(QPen(QColor("#30303a"), 1.8));
        p.setBrush(QColor(255, 255, 255, 50));
        p.drawEllipse(QPointF(41, 52), 7, 6);
        p.drawEllipse(QPointF(59, 52), 7, 6);
        p.drawLine(QPointF(48, 51), QPointF(52, 51));
        break;
    case Accessory::HairClip:
        p.setPen(Qt::NoPen);
        for (int petal = 0; petal < 5; ++petal) {
            const double angle = petal * 72.0;
            p.save();
            p.translate(68, 28);
            p.rotate(angle);
            fillEllipse(p, QColor("#ffd54a"), QPointF(0, -4), 2.6, 4);
            p.restore();
        }
        fillEllipse(p, QColor("#ff8a3d"), QPointF(68, 28), 2, 2);
        break;
    case Accessory::Headphones:
        p.setPen(QPen(QColor("#333333"), 4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(22, 16, 56, 60), 10 * 16, 160 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor("#e0584a"));
        p.drawRoundedRect(QRectF(18, 40, 9, 17), 3, 3);
        p.drawRoundedRect(QRectF(73, 40, 9, 17), 3, 3);
        break;
    case Accessory::Moustache: {
        p.setPen(Qt::NoPen);
        p.setBrush(s.look.hair);
        QPainterPath moustache;
        moustache.moveTo(50, 57);
        moustache.cubicTo(44, 54, 38, 56, 37, 61);
        moustache.cubicTo(42, 59, 46, 60, 50, 60);
        moustache.cubicTo(54, 60, 58, 59, 63, 61);
        moustache.cubicTo(62, 56, 56, 54, 50, 57);
        p.drawPath(moustache);
        break;
    }
    case Accessory::Beard: {
        p.setPen(Qt::NoPen);
        p.setBrush(s.look.hair);
        QPainterPath beard;
        beard.moveTo(30, 56);
        beard.quadTo(32, 84, 50, 88);
        beard.quadTo(68, 84, 70, 56);
        beard.quadTo(60, 66, 50, 64);
        beard.quadTo(40, 66, 30, 56);
        p.drawPath(beard);
        p.setPen(QPen(QColor("#8a4a3a"), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(46, 63), QPointF(54, 63));
        break;
    }
    }
}

} // namespace

QImage drawAvatar(const Speaker& speaker)
{
    const int size = avatarSize * oversampling;
    QImage canvas(size, size, QImage::Format_RGB32);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 100.0, size / 100.0);
        drawBackdrop(p, speaker);
        drawHairBehind(p, speaker);
        drawBodyAndHead(p, speaker);
        drawHairInFront(p, speaker);
        drawFace(p, speaker);
        drawAccessory(p, speaker);
    }
    return canvas.scaled(avatarSize, avatarSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace vemra::demo
