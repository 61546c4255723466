#include "MinutePhoto.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace vemra::demo {

namespace {

constexpr double pi = std::numbers::pi;
constexpr double horizonY = 330;

QColor mix(const QColor& a, const QColor& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QColor withAlpha(QColor colour, double alpha)
{
    colour.setAlphaF(static_cast<float>(std::clamp(alpha, 0.0, 1.0)));
    return colour;
}

double smoothstep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

struct SkyKey {
    double hour;
    QColor top;
    QColor horizon;
};

// The sky's colours through the day; colours between two keys are blended.
const std::array<SkyKey, 12>& skyKeys()
{
    static const std::array<SkyKey, 12> keys{{
        {0.0, QColor("#070b24"), QColor("#1a2150")},
        {4.3, QColor("#0d1236"), QColor("#28306a")},
        {5.4, QColor("#33397c"), QColor("#e39a86")},
        {6.4, QColor("#5a8bd2"), QColor("#ffd3a1")},
        {8.5, QColor("#3c88de"), QColor("#bfe2fb")},
        {12.0, QColor("#2b7fe3"), QColor("#d2efff")},
        {15.5, QColor("#3a82d4"), QColor("#d9ecfb")},
        {17.2, QColor("#4a69b3"), QColor("#ffcf94")},
        {18.3, QColor("#3b3777"), QColor("#ff8552")},
        {19.2, QColor("#1c1e4c"), QColor("#7a4a78")},
        {20.4, QColor("#0c1133"), QColor("#242b5c")},
        {24.0, QColor("#070b24"), QColor("#1a2150")},
    }};
    return keys;
}

struct Sky {
    QColor top;
    QColor horizon;
    double night;   // 0 by day, 1 in the dark hours
};

Sky skyAt(double hour)
{
    const auto& keys = skyKeys();
    std::size_t k = 0;
    while (keys[k + 1].hour < hour)
        ++k;
    const double t = smoothstep(keys[k].hour, keys[k + 1].hour, hour);
    const double night = 1.0 - smoothstep(4.6, 6.6, hour) + smoothstep(18.0, 20.2, hour);
    return {mix(keys[k].top, keys[k + 1].top, t), mix(keys[k].horizon, keys[k + 1].horizon, t), std::clamp(night, 0.0, 1.0)};
}

// Position of a body that rises at `rise` and sets `span` hours later, or nothing when it is down.
bool arcPosition(double hour, double rise, double span, double peakHeight, QPointF& position, double& elevation)
{
    double since = hour - rise;
    if (since < 0)
        since += 24;
    if (since > span)
        return false;
    const double progress = since / span;
    elevation = std::sin(pi * progress);
    position = QPointF(28 + progress * (photoWidth - 56), horizonY + 10 - elevation * peakHeight);
    return true;
}

bool sunPosition(double hour, QPointF& position, double& elevation)
{
    return arcPosition(hour, 5.3, 13.6, 260, position, elevation);
}

bool moonPosition(double hour, QPointF& position, double& elevation)
{
    return arcPosition(hour, 18.2, 11.8, 230, position, elevation);
}

void drawSky(QPainter& p, const Sky& sky)
{
    QLinearGradient gradient(0, 0, 0, horizonY + 40);
    gradient.setColorAt(0, sky.top);
    gradient.setColorAt(0.55, mix(sky.top, sky.horizon, 0.45));
    gradient.setColorAt(1, sky.horizon);
    p.fillRect(QRectF(0, 0, photoWidth, photoHeight), gradient);
}

void drawStars(QPainter& p, const Sky& sky, int minuteOfDay)
{
    if (sky.night < 0.05)
        return;
    QRandomGenerator random(20240601); // the same sky every night
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 120; ++i) {
        const double x = random.bounded(photoWidth);
        const double y = random.bounded(static_cast<int>(horizonY - 30));
        const double size = 0.5 + random.generateDouble() * 1.1;
        const double twinkle = 0.6 + 0.4 * std::sin(minuteOfDay * 0.9 + i * 1.7);
        const double heightFade = 1.0 - y / horizonY * 0.6;
        p.setBrush(withAlpha(QColor("#fdfbe8"), sky.night * sky.night * twinkle * heightFade));
        p.drawEllipse(QPointF(x, y), size, size);
    }
}

void drawGlow(QPainter& p, QPointF centre, double radius, const QColor& colour, double strength)
{
    QRadialGradient glow(centre, radius);
    glow.setColorAt(0, withAlpha(colour, strength));
    glow.setColorAt(1, withAlpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, radius, radius);
}

void drawSun(QPainter& p, double hour)
{
    QPointF centre;
    double elevation = 0;
    if (!sunPosition(hour, centre, elevation))
        return;
    const QColor colour = mix(QColor("#ff7a36"), QColor("#fff4cf"), elevation * 1.6);
    drawGlow(p, centre, 110, colour, 0.45);
    drawGlow(p, centre, 40, QColor("#fffbe8"), 0.6);
    p.setBrush(colour);
    p.drawEllipse(centre, 21, 21);
}

void drawMoon(QPainter& p, double hour)
{
    QPointF centre;
    double elevation = 0;
    if (!moonPosition(hour, centre, elevation))
        return;
    drawGlow(p, centre, 70, QColor("#dfe6ff"), 0.25);
    QPainterPath disc;
    disc.addEllipse(centre, 17, 17);
    QPainterPath shadow;
    shadow.addEllipse(centre + QPointF(8, -5), 15, 15);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#f6f1d2"));
    p.drawPath(disc.subtracted(shadow));
}

void drawCloud(QPainter& p, QPointF at, double scale, const QColor& colour)
{
    QPainterPath cloud;
    cloud.setFillRule(Qt::WindingFill);
    const double puffs[][3] = {{0, 0, 18}, {20, -10, 22}, {42, -2, 18}, {58, 6, 12}, {-16, 8, 12}, {24, 8, 16}};
    for (const auto& puff : puffs)
        cloud.addEllipse(at + QPointF(puff[0], puff[1]) * scale, puff[2] * scale, puff[2] * scale * 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(cloud.simplified());
}

void drawClouds(QPainter& p, const Sky& sky, int minuteOfDay)
{
    const QColor day = mix(sky.horizon, Qt::white, 0.75);
    const QColor colour = withAlpha(mix(day, QColor("#2a3050"), sky.night * 0.85), 0.85 - sky.night * 0.45);
    const double clouds[][4] = {{30, 70, 1.0, 0.9}, {200, 130, 0.8, 1.4}, {120, 205, 0.65, 2.1}, {260, 40, 0.55, 0.6}};
    const double wrap = photoWidth + 200;
    for (const auto& c : clouds) {
        const double x = std::fmod(c[0] + c[3] * minuteOfDay, wrap) - 100;
        drawCloud(p, QPointF(x, c[1]), c[2], colour);
    }
}

// A ridge line from layered sine waves, filled down to `bottom`.
QPainterPath ridge(double base, const std::array<double, 6>& waves, double bottom)
{
    QPainterPath path;
    path.moveTo(0, bottom);
    for (int x = 0; x <= photoWidth; x += 4) {
        double y = base;
        for (std::size_t w = 0; w < waves.size(); w += 3)
            y -= waves[w] * std::sin(x * waves[w + 1] + waves[w + 2]);
        path.lineTo(x, y);
    }
    path.lineTo(photoWidth, bottom);
    path.closeSubpath();
    return path;
}

void drawLandscape(QPainter& p, const Sky& sky, double hour, double sunElevation, bool sunUp, QPointF sunAt)
{
    const QColor darkness("#0b0f1c");
    const QColor farColour = mix(mix(sky.horizon, sky.top, 0.45), darkness, 0.25 + sky.night * 0.3);
    const QColor midColour = mix(mix(QColor("#3f6a6a"), sky.horizon, 0.25), darkness, 0.2 + sky.night * 0.65);
    const QColor hillColour = mix(QColor("#2f5a34"), darkness, 0.35 + sky.night * 0.55);

    p.setPen(Qt::NoPen);
    p.setBrush(farColour);
    p.drawPath(ridge(horizonY - 18, {26, 0.021, 0.6, 12, 0.063, 2.1}, photoHeight));
    p.setBrush(midColour);
    p.drawPath(ridge(horizonY + 14, {18, 0.031, 2.4, 8, 0.09, 0.3}, photoHeight));

    // A lake that mirrors the sky, with a shimmer under the sun or moon.
    const QRectF lake(0, horizonY + 28, photoWidth, 60);
    QLinearGradient water(0, lake.top(), 0, lake.bottom());
    water.setColorAt(0, mix(sky.horizon, darkness, 0.25));
    water.setColorAt(1, mix(sky.top, darkness, 0.35));
    p.fillRect(lake, water);
    if (sunUp) {
        const QColor shimmer = mix(QColor("#ffb070"), Qt::white, sunElevation);
        for (int i = 0; i < 5; ++i) {
            const double width = 34 - i * 5 + std::sin(hour * 40 + i) * 4;
            p.fillRect(QRectF(sunAt.x() - width / 2, lake.top() + 3 + i * 6, width, 1.5), withAlpha(shimmer, 0.45 - i * 0.07));
        }
    }

    p.setBrush(hillColour);
    p.drawPath(ridge(horizonY + 82, {10, 0.018, 1.2, 4, 0.05, 0.7}, photoHeight));

    const QColor treeColour = hillColour.darker(135);
    p.setBrush(treeColour);
    const double trees[][2] = {{18, 30}, {36, 22}, {52, 34}, {268, 26}, {286, 38}, {304, 24}};
    for (const auto& tree : trees) {
        const double x = tree[0], height = tree[1];
        const double groundY = horizonY + 82 - 10 * std::sin(x * 0.018 + 1.2) - 4 * std::sin(x * 0.05 + 0.7);
        p.drawPolygon(QPolygonF({QPointF(x, groundY - height), QPointF(x - height * 0.32, groundY + 2),
                                 QPointF(x + height * 0.32, groundY + 2)}));
    }

    // A cottage whose window is lit in the evening and early morning.
    const QPointF house(214, horizonY + 60);
    p.setBrush(hillColour.darker(120));
    p.drawRect(QRectF(house, QSizeF(30, 20)));
    p.setBrush(mix(QColor("#7a3b2e"), darkness, sky.night * 0.7));
    p.drawPolygon(QPolygonF({house + QPointF(-4, 0), house + QPointF(15, -14), house + QPointF(34, 0)}));
    const bool lit = (hour >= 17.5) || (hour >= 5.5 && hour < 7.0);
    p.setBrush(lit ? QColor("#ffd46b") : mix(QColor("#9fb8c8"), darkness, sky.night));
    p.drawRect(QRectF(house + QPointF(10, 6), QSizeF(9, 8)));
    if (lit)
        drawGlow(p, house + QPointF(14.5, 10), 24, QColor("#ffcf5a"), 0.35 * std::max(sky.night, 0.3));
}

QString partOfDayName(int hour)
{
    if (hour < 4) return QStringLiteral("深夜");
    if (hour < 6) return QStringLiteral("夜明け");
    if (hour < 10) return QStringLiteral("朝");
    if (hour < 12) return QStringLiteral("午前");
    if (hour < 13) return QStringLiteral("お昼");
    if (hour < 16) return QStringLiteral("午後");
    if (hour < 19) return QStringLiteral("夕方");
    return QStringLiteral("夜");
}

void drawTime(QPainter& p, int hour, int minute, const QString& fontFamily)
{
    QFont timeFont(fontFamily);
    timeFont.setPixelSize(78);
    QFont labelFont(fontFamily);
    labelFont.setPixelSize(17);
    labelFont.setLetterSpacing(QFont::AbsoluteSpacing, 3);

    const QString time = QStringLiteral("%1:%2").arg(hour, 2, 10, QLatin1Char('0')).arg(minute, 2, 10, QLatin1Char('0'));
    QPainterPath timePath;
    timePath.addText(0, 0, timeFont, time);
    timePath.translate((photoWidth - timePath.boundingRect().width()) / 2 - timePath.boundingRect().left(), 458);
    QPainterPath labelPath;
    labelPath.addText(0, 0, labelFont, partOfDayName(hour));
    labelPath.translate((photoWidth - labelPath.boundingRect().width()) / 2 - labelPath.boundingRect().left(), 384);

    p.setPen(Qt::NoPen);
    for (const QPainterPath* path : {&timePath, &labelPath}) {
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawPath(path->translated(2, 3));
        p.setBrush(QColor(255, 255, 255, 235));
        p.drawPath(*path);
    }
}

} // namespace

QImage drawMinutePhoto(int hour, int minute, const QString& fontFamily)
{
    const double time = hour + minute / 60.0;
    const int minuteOfDay = hour * 60 + minute;
    const Sky sky = skyAt(time);

    QImage image(photoWidth, photoHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawSky(p, sky);
    drawStars(p, sky, minuteOfDay);
    drawMoon(p, time);
    drawSun(p, time);
    drawClouds(p, sky, minuteOfDay);

    QPointF sunAt;
    double sunElevation = 0;
    const bool sunUp = sunPosition(time, sunAt, sunElevation);
    drawLandscape(p, sky, time, sunElevation, sunUp, sunAt);
    drawTime(p, hour, minute, fontFamily);
    return image;
}

} // namespace vemra::demo
