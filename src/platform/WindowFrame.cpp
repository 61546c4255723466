#include "platform/WindowFrame.h"

#include "platform/Picture.h"
#include "platform/Window.h"
#include "platform/WindowHost.h"
#include "platform/X11Events.h"

#include <QApplication>
#include <QCloseEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace platform {

namespace {

constexpr int kLargestSide = 32000;

// The top-level widget: the close box and the keys that press the default and cancel buttons.
class FrameWidget : public QWidget {
public:
    explicit FrameWidget(Window& window) : window_(window) {}

protected:
    void closeEvent(QCloseEvent* event) override
    {
        event->accept();
        WindowHost::closeBox(window_);
    }

    // Keys reach here when the focused control has not used them.
    void keyPressEvent(QKeyEvent* event) override
    {
        const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
            if (WindowHost::pressDefaultButton(window_))
                return;
        } else if (plain && event->key() == Qt::Key_Escape) {
            if (WindowHost::pressCancelButton(window_))
                return;
        }
        QWidget::keyPressEvent(event);
    }

private:
    Window& window_;
};

// The content area: the backdrop, the back colour and the window's MouseDown.
class ContentWidget : public QWidget {
public:
    ContentWidget(Window& window, QWidget* parent) : QWidget(parent), window_(window) {}

    void setBackdrop(const QImage& image)
    {
        backdrop_ = image;
        update();
    }
    void setDesignedSize(QSize size) { designed_ = size; }
    QSize sizeHint() const override { return designed_; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (backdrop_.isNull())
            return;
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), backdrop_);
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        event->accept();
        const QPoint at = event->position().toPoint();
        WindowHost::mouseDown(window_, at.x(), at.y());
    }

private:
    Window& window_;
    QImage backdrop_;
    QSize designed_;
};

int side(int value) { return std::clamp(value, 0, kLargestSide); }

bool isModalFrame(int frame) { return frame == 1 || frame == 2 || frame == 8; }

Qt::WindowFlags windowFlags(const WindowProperties& properties)
{
    Qt::WindowFlags flags = Qt::Window;
    switch (properties.Frame) {
    case 1: case 2: case 8: flags = Qt::Dialog; break;
    case 3: case 7: flags = Qt::Tool; break;
    case 4: case 5: flags = Qt::Window | Qt::FramelessWindowHint; break;
    default: break;
    }
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (properties.CloseButton)
        flags |= Qt::WindowCloseButtonHint;
    if (properties.MinimizeButton)
        flags |= Qt::WindowMinimizeButtonHint;
    if (properties.MaximizeButton)
        flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

// The visible window, other than `frame`, that a new window is placed over.
QWidget* placementParent(QWidget* frame)
{
    if (QWidget* active = QApplication::activeWindow(); active != nullptr && active != frame)
        return active;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget != frame && widget->isVisible() && dynamic_cast<FrameWidget*>(widget) != nullptr)
            return widget;
    return nullptr;
}

} // namespace

WindowWidgets makeWindowWidgets(Window& window)
{
    auto* frame = new FrameWidget(window);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* content = new ContentWidget(window, frame);
    layout->addWidget(content);
    return {frame, content};
}

void applyWindowProperties(const WindowWidgets& widgets, const WindowProperties& properties)
{
    QWidget* frame = widgets.frame;
    auto* content = static_cast<ContentWidget*>(widgets.content);
    const bool wasVisible = frame->isVisible();

    frame->setWindowFlags(windowFlags(properties)); // hides the frame
    frame->setWindowModality(isModalFrame(properties.Frame) ? Qt::ApplicationModal : Qt::NonModal);

    const QSize size(side(properties.Width), side(properties.Height));
    content->setDesignedSize(size);
    QLayout* layout = frame->layout();
    if (properties.Resizeable) {
        content->setMinimumSize(side(properties.MinWidth), side(properties.MinHeight));
        content->setMaximumSize(side(properties.MaxWidth), side(properties.MaxHeight));
        layout->setSizeConstraint(QLayout::SetDefaultConstraint);
        frame->setMinimumSize(0, 0);
        frame->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        layout->activate();
        frame->adjustSize();
    } else {
        content->setFixedSize(size);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        layout->activate();
    }

    content->setAutoFillBackground(properties.HasBackColor);
    if (properties.HasBackColor) {
        QPalette palette = content->palette();
        const Color& c = properties.BackColor;
        palette.setColor(QPalette::Window, QColor(c.red, c.green, c.blue));
        content->setPalette(palette);
    }
    if (QWidget* bar = layout->menuBar())
        bar->setVisible(properties.MenuBarVisible);

    if (wasVisible)
        frame->show();
}

void installMenuBarWidget(const WindowWidgets& widgets, QMenuBar* bar, bool visible)
{
    QLayout* layout = widgets.frame->layout();
    if (QWidget* old = layout->menuBar()) {
        layout->setMenuBar(nullptr);
        old->hide();
        old->deleteLater(); // it may be emitting the signal that led here
    }
    if (bar != nullptr) {
        layout->setMenuBar(bar);
        bar->setVisible(visible);
    }
    layout->activate();
}

void showBackdrop(const WindowWidgets& widgets, const Picture* picture)
{
    static_cast<ContentWidget*>(widgets.content)->setBackdrop(picture != nullptr ? picture->image() : QImage());
}

void showFrame(const WindowWidgets& widgets, int placement)
{
    QWidget* frame = widgets.frame;
    frame->layout()->activate();
    frame->adjustSize();
    QRect area;
    if (placement == 1 || placement == 3) {
        if (QWidget* parent = placementParent(frame))
            area = parent->frameGeometry();
    }
    if (placement == 2 || (placement == 3 && area.isNull())) {
        if (QScreen* screen = QGuiApplication::primaryScreen())
            area = screen->availableGeometry();
    }
    if (!area.isNull()) {
        QRect placed(QPoint(0, 0), frame->size());
        placed.moveCenter(area.center());
        frame->move(placed.topLeft());
    }
    frame->show();
    stopPropertyChangeEvents(frame);
    frame->activateWindow();
}

} // namespace platform
