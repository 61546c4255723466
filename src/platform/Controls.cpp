#include "platform/Controls.h"

#include "platform/Application.h"
#include "platform/Exceptions.h"
#include "platform/Picture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// The control's widget as its toolkit class; NilObjectException before Constructor().
template <typename W>
W& constructed(const RectControl& control)
{
    if (control.widget() == nullptr)
        throw NilObjectException("control " + control.Name() + " is not constructed");
    return *static_cast<W*>(control.widget());
}

// The widget as its toolkit class, or nil before Constructor().
template <typename W>
W* shown(const RectControl& control)
{
    return static_cast<W*>(control.widget());
}

// TextFont, keeping the widget's text size. A font that is not installed is substituted by
// the system; characters it lacks come from fonts that have them.
void applyTextFont(QWidget& widget, const ControlProperties& properties)
{
    QFont font = widget.font();
    font.setFamilies({toQString(properties.TextFont)});
    widget.setFont(font);
}

} // namespace

Control::~Control() = default;

String actionHandlerName(const Control& control, const char* kind)
{
    String name = control.Window() != nullptr ? control.Window()->className() + "." : String();
    name += control.Name().empty() ? String(kind) : control.Name();
    if (control.Index != kNotAnArrayMember) {
        // Appended piece by piece: GCC 12's -Wrestrict misreads "(" + std::to_string(...).
        name += '(';
        name += std::to_string(control.Index);
        name += ')';
    }
    return name + ".Action";
}

// --- RectControl ---------------------------------------------------------------------------

RectControl::~RectControl()
{
    if (widget_ != nullptr) {
        QObject::disconnect(widget_, &QObject::destroyed, nullptr, nullptr);
        delete widget_;
    }
}

void RectControl::Constructor()
{
    if (widget_ != nullptr)
        return;
    if (Window() == nullptr)
        throw NilObjectException("control " + Name() + " has no window");
    widget_ = createWidget(Window()->contentWidget());
    // Should the content area go first, the control must not keep a dangling widget.
    QObject::connect(widget_, &QObject::destroyed, [this] { widget_ = nullptr; });
    widget_->show();
}

int RectControl::Left() const { return widget_ != nullptr ? widget_->x() : 0; }
int RectControl::Top() const { return widget_ != nullptr ? widget_->y() : 0; }
int RectControl::Width() const { return widget_ != nullptr ? widget_->width() : 0; }
int RectControl::Height() const { return widget_ != nullptr ? widget_->height() : 0; }
bool RectControl::Enabled() const { return widget_ != nullptr && widget_->isEnabled(); }
bool RectControl::Visible() const { return widget_ != nullptr && !widget_->isHidden(); }

void RectControl::setTextSize(float size)
{
    QWidget& widget = constructed<QWidget>(*this);
    QFont font = widget.font();
    font.setPixelSize(std::max(1, int(std::lround(size))));
    widget.setFont(font);
}

void RectControl::_SetProperties(const ControlProperties& properties)
{
    QWidget& widget = constructed<QWidget>(*this);
    widget.setGeometry(properties.Left, properties.Top, std::max(0, properties.Width),
                       std::max(0, properties.Height));
    tabIndex_ = properties.TabIndex;
    tabStop_ = properties.TabStop;
}

// --- Label ---------------------------------------------------------------------------------

QWidget* Label::createWidget(QWidget* parent)
{
    auto* widget = new QLabel(parent);
    widget->setTextFormat(Qt::PlainText); // the text shows as it is, markup included
    widget->setFocusPolicy(Qt::NoFocus);
    return widget;
}

String Label::Text() const
{
    const QLabel* label = shown<QLabel>(*this);
    return label != nullptr ? fromQString(label->text()) : String();
}

void Label::setText(const String& text) { constructed<QLabel>(*this).setText(toQString(text)); }

void Label::_SetProperties(const ControlProperties& properties)
{
    ControlProperties own = properties;
    own.TabStop = false; // a label is never a tab stop
    RectControl::_SetProperties(own);
    QLabel& label = constructed<QLabel>(*this);
    applyTextFont(label, properties);
    QPalette palette = label.palette();
    const Color& c = properties.TextColor;
    palette.setColor(QPalette::WindowText, QColor(c.red, c.green, c.blue));
    label.setPalette(palette);
    setText(properties.Text);
}

// --- CheckBox ------------------------------------------------------------------------------

QWidget* CheckBox::createWidget(QWidget* parent) { return new QCheckBox(parent); }

String CheckBox::Caption() const
{
    const QCheckBox* box = shown<QCheckBox>(*this);
    return box != nullptr ? fromLiteralCaption(box->text()) : String();
}

void CheckBox::setCaption(const String& caption) { constructed<QCheckBox>(*this).setText(literalCaption(caption)); }

bool CheckBox::Value() const
{
    const QCheckBox* box = shown<QCheckBox>(*this);
    return box != nullptr && box->isChecked();
}

void CheckBox::setValue(bool value) { constructed<QCheckBox>(*this).setChecked(value); }

void CheckBox::_SetProperties(const ControlProperties& properties)
{
    RectControl::_SetProperties(properties);
    applyTextFont(constructed<QCheckBox>(*this), properties);
    setCaption(properties.Caption);
}

// --- PopupMenu -----------------------------------------------------------------------------

QWidget* PopupMenu::createWidget(QWidget* parent)
{
    auto* widget = new QComboBox(parent);
    widget->setMaxVisibleItems(30);
    return widget;
}

int PopupMenu::ListIndex() const
{
    const QComboBox* combo = shown<QComboBox>(*this);
    return combo != nullptr ? combo->currentIndex() : -1;
}

void PopupMenu::setListIndex(int index)
{
    QComboBox& combo = constructed<QComboBox>(*this);
    combo.setCurrentIndex(index >= 0 && index < combo.count() ? index : -1);
}

String PopupMenu::Text() const
{
    const int row = ListIndex();
    return row >= 0 ? fromQString(shown<QComboBox>(*this)->itemText(row)) : String();
}

int PopupMenu::ListCount() const
{
    const QComboBox* combo = shown<QComboBox>(*this);
    return combo != nullptr ? combo->count() : 0;
}

String PopupMenu::List(int row) const
{
    if (row < 0 || row >= ListCount())
        throw OutOfBoundsException("pop-up menu " + Name() + " has no row " + std::to_string(row));
    return fromQString(shown<QComboBox>(*this)->itemText(row));
}

void PopupMenu::DeleteAllRows() { constructed<QComboBox>(*this).clear(); }

void PopupMenu::AddRow(const String& text)
{
    QComboBox& combo = constructed<QComboBox>(*this);
    // Adding a row selects nothing: the toolkit would select the first row of an empty menu.
    const int selected = combo.currentIndex();
    combo.addItem(toQString(text));
    combo.setCurrentIndex(selected);
}

void PopupMenu::_SetProperties(const ControlProperties& properties)
{
    RectControl::_SetProperties(properties);
    applyTextFont(constructed<QComboBox>(*this), properties);
    DeleteAllRows();
    if (!properties.InitialValue.empty()) {
        const Array<String> rows = Split(properties.InitialValue, "\r");
        for (int row = 0; row <= rows.Ubound(); ++row)
            AddRow(rows(row));
    }
    setListIndex(properties.ListIndex);
}

// --- PushButton ----------------------------------------------------------------------------

namespace {

// Keys never press a button by having it focused: Return/Enter and Escape go on to the window,
// which presses its default or cancel button.
class KeylessButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Select:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->ignore();
            return;
        default:
            QPushButton::keyPressEvent(event);
        }
    }
};

} // namespace

QWidget* PushButton::createWidget(QWidget* parent)
{
    auto* widget = new KeylessButton(parent);
    widget->setAutoDefault(false);
    QObject::connect(widget, &QPushButton::clicked, widget, [this] {
        const auto action = action_; // the handler may replace it
        handleErrors([this] { return actionHandlerName(*this, "PushButton"); }, [&] {
            if (action)
                action(*this);
        });
    });
    return widget;
}

String PushButton::Caption() const
{
    const QPushButton* button = shown<QPushButton>(*this);
    return button != nullptr ? fromLiteralCaption(button->text()) : String();
}

void PushButton::setCaption(const String& caption)
{
    constructed<QPushButton>(*this).setText(literalCaption(caption));
}

void PushButton::setAction(std::function<void(PushButton&)> action) { action_ = std::move(action); }

void PushButton::push() { constructed<QPushButton>(*this).click(); }

void PushButton::_SetProperties(const ControlProperties& properties)
{
    RectControl::_SetProperties(properties);
    QPushButton& button = constructed<QPushButton>(*this);
    applyTextFont(button, properties);
    setCaption(properties.Caption);
    default_ = properties.Default;
    cancel_ = properties.Cancel;
    button.setDefault(default_);
}

// --- ImageWell -----------------------------------------------------------------------------

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

QWidget* ImageWell::createWidget(QWidget* parent) { return new WellWidget(parent); }

void ImageWell::setImage(std::shared_ptr<Picture> picture)
{
    image_ = std::move(picture);
    if (auto* well = shown<WellWidget>(*this))
        well->setImage(image_ != nullptr ? image_->image() : QImage());
}

// --- Separator -----------------------------------------------------------------------------

QWidget* Separator::createWidget(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    // A plain line in the palette's mid tone: a sunken one needs two pixels and may stand in one.
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    QPalette palette = line->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Mid));
    line->setPalette(palette);
    return line;
}

} // namespace platform
