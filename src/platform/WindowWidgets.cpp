#include "platform/WindowWidgets.h"

#include "platform/Picture.h"
#include "platform/Window.h"
#include "platform/X11Window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QImage>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace platform {

namespace {

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
            if (WindowHost::pressButton(window_, true))
                return;
        } else if (plain && event->key() == Qt::Key_Escape) {
            if (WindowHost::pressButton(window_, false))
                return;
        }
        QWidget::keyPressEvent(event);
    }

private:
    Window& window_;
};

// The content area: the backdrop and the window's MouseDown.
class ContentWidget : public QWidget {
public:
    ContentWidget(Window& window, QWidget* parent) : QWidget(parent), window_(window) {}

    void setBackdrop(const QImage& image)
    {
        backdrop_ = image;
        updateOpaqueness();
        update();
    }

protected:
    void resizeEvent(QResizeEvent*) override { updateOpaqueness(); }

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
    // A backdrop that covers the whole area hides the window's background: Qt then leaves
    // the background unpainted beneath it, which at each new photo is a fill of the window.
    void updateOpaqueness()
    {
        const bool covered = !backdrop_.isNull() && !backdrop_.hasAlphaChannel()
                             && backdrop_.width() >= width() && backdrop_.height() >= height();
        setAttribute(Qt::WA_OpaquePaintEvent, covered);
    }

    Window& window_;
    QImage backdrop_;
};

// The visible window, other than `frame`, that a new window is centred over.
QWidget* placementParent(QWidget* frame)
{
    if (QWidget* active = QApplication::activeWindow(); active != nullptr && active != frame)
        return active;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget != frame && widget->isVisible() && dynamic_cast<FrameWidget*>(widget) != nullptr)
            return widget;
    return nullptr;
}

// The menus write shortcuts as "Cmd+<key>"; here Cmd is Ctrl.
QKeySequence toolkitShortcut(const String& shortcut)
{
    const QString text = toQString(shortcut);
    if (!text.startsWith(QStringLiteral("Cmd+")))
        return {};
    return QKeySequence::fromString(QStringLiteral("Ctrl+") + text.mid(4), QKeySequence::PortableText);
}

} // namespace

WindowWidgets makeWindowWidgets(Window& window)
{
    auto* frame = new FrameWidget(window);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* content = new ContentWidget(window, frame);
    layout->addWidget(content);
    return {frame, content};
}

void applyWindowProperties(const WindowWidgets& widgets, const WindowProperties& properties)
{
    const bool dialog = properties.Frame == 1;
    Qt::WindowFlags flags = (dialog ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (properties.CloseButton)
        flags |= Qt::WindowCloseButtonHint;
    widgets.frame->setWindowFlags(flags);
    widgets.frame->setWindowModality(dialog ? Qt::ApplicationModal : Qt::NonModal);
    widgets.content->setFixedSize(properties.Width, properties.Height);
}

void showBackdrop(const WindowWidgets& widgets, const Picture* picture)
{
    static_cast<ContentWidget*>(widgets.content)->setBackdrop(picture != nullptr ? picture->image() : QImage());
}

void installMenuBar(const WindowWidgets& widgets, Window& window, const MenuItem& bar)
{
    auto* menuBar = new QMenuBar(widgets.frame);
    // Always in the window, above the content area, also where a desktop offers a global bar.
    menuBar->setNativeMenuBar(false);
    for (int i = 0; i < bar.Count(); ++i) {
        const MenuItemPtr menuItem = bar.Item(i);
        QMenu* menu = menuBar->addMenu(literalCaption(menuItem->Text));
        menu->menuAction()->setMenuRole(QAction::NoRole);
        for (int j = 0; j < menuItem->Count(); ++j) {
            const MenuItemPtr item = menuItem->Item(j);
            if (item->isSeparator()) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(literalCaption(item->Text));
            action->setMenuRole(QAction::NoRole);
            action->setShortcut(toolkitShortcut(item->KeyboardShortcut));
            action->setEnabled(WindowHost::takesMenuItem(window, *item));
            QObject::connect(action, &QAction::triggered, menuBar,
                             [&window, item] { WindowHost::chooseMenuItem(window, item); });
        }
    }
    widgets.frame->layout()->setMenuBar(menuBar);
}

void showFrame(const WindowWidgets& widgets, int placement)
{
    QWidget* frame = widgets.frame;
    frame->layout()->activate();
    frame->adjustSize();
    if (placement == 1) {
        if (QWidget* parent = placementParent(frame)) {
            QRect placed(QPoint(0, 0), frame->size());
            placed.moveCenter(parent->frameGeometry().center());
            frame->move(placed.topLeft());
        }
    }
    frame->show();
    x11::stopPropertyChangeEvents(frame);
    frame->activateWindow();
}

} // namespace platform
