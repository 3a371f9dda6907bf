#include "main_window.h"

#include "common/runtime_error.h"
#include "common/twips.h"
#include "labelled_progress_bar.h"
#include "report_table.h"
#include "window_placement.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QImageReader>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QtEndian>

namespace tavrolin::qt {

namespace {

constexpr int kClientWidthTwips = 8040;
constexpr int kClientHeightTwips = 7725;

const QString kListToolTip = QStringLiteral("Double-click item to remove it. Move | line to "
                                            "right and out of window to reveal full names.");

QRect pixels(QRect twips) {
    return {twips.x() / kTwipsPerPixel, twips.y() / kTwipsPerPixel, twips.width() / kTwipsPerPixel,
            twips.height() / kTwipsPerPixel};
}

QFont boldArial(qreal points) {
    // Where Arial is missing, fontconfig maps it to a metric-compatible face.
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

void setBackground(QWidget* widget, Colour colour) {
    if (colour == Colour::White) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, Qt::white);
        widget->setPalette(palette);
        widget->setBackgroundRole(QPalette::Window);
    } else {
        // A role, not a colour taken now: the background follows the system's button colour
        // when the user changes it while the program runs.
        widget->setPalette(QPalette());
        widget->setBackgroundRole(QPalette::Button);
    }
    widget->setAutoFillBackground(true);
}

// The hot spot of a cursor file, from its first directory entry.
QPoint cursorHotSpot(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray header = file.read(14);
    if (header.size() < 14)
        return {};
    return {qFromLittleEndian<quint16>(header.constData() + 10),
            qFromLittleEndian<quint16>(header.constData() + 12)};
}

} // namespace

MainWindow::MainWindow(QString programFolder)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
    , m_programFolder(std::move(programFolder)) {
    setObjectName(QStringLiteral("Form1"));
    setFixedSize(kClientWidthTwips / kTwipsPerPixel, kClientHeightTwips / kTwipsPerPixel);
    setFont(boldArial(9));
    setBackground(this, Colour::White);

    listView1 = makeListView(QStringLiteral("ListView1"), {120, 120, 7800, 1695});
    pushButton2 = makeButton(QStringLiteral("PushButton2"), QStringLiteral("Add One Item To List"),
                             {120, 1920, 3840, 405});
    pushButton6 = makeButton(QStringLiteral("PushButton6"),
                             QStringLiteral("Load List From Text File"), {4080, 1920, 3840, 405});
    pushButton5 = makeButton(QStringLiteral("PushButton5"), QStringLiteral("Clear List"),
                             {120, 2430, 3840, 405});
    pushButton8 = makeButton(QStringLiteral("PushButton8"),
                             QStringLiteral("Load Sample/Example Data"), {4080, 2430, 3840, 405});

    frame1 = new QGroupBox(QStringLiteral("Separating Character(s) To Add"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setGeometry(pixels({120, 2910, 7800, 800}));
    setBackground(frame1, Colour::White);
    combo1 = new QComboBox(frame1);
    combo1->setObjectName(QStringLiteral("Combo1"));
    combo1->setGeometry(pixels({240, 300, 7320, 345}));

    pushButton4 = makeButton(QStringLiteral("PushButton4"), QStringLiteral("Start Creating List"),
                             {120, 3825, 7800, 405});
    listView2 = makeListView(QStringLiteral("ListView2"), {120, 4350, 7800, 1695});
    pushButton1 =
        makeButton(QStringLiteral("PushButton1"), QStringLiteral("Save Results To CSV/Text File"),
                   {120, 6150, 7800, 405});
    pushButton7 = makeButton(QStringLiteral("PushButton7"),
                             QStringLiteral("Copy Results To Clipboard"), {120, 6675, 3840, 405});
    pushButton3 = makeButton(QStringLiteral("PushButton3"), QStringLiteral("Clear Results"),
                             {4080, 6675, 3840, 405});

    progressBar1 = new LabelledProgressBar(this);
    progressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar1->setGeometry(pixels({120, 7200, 7800, 405}));
    progressBar1->setRange(0, 100);
    progressBar1->setValue(0);
    progressBar1->setTextVisible(true);
    progressBar1->setAlignment(Qt::AlignCenter);
    progressBar1->setLabel(QStringLiteral("Progress Bar"));

    addShortcut(pushButton6, {QKeySequence(Qt::CTRL | Qt::Key_O)});
    addShortcut(pushButton1, {QKeySequence(Qt::CTRL | Qt::Key_S)});
    addShortcut(pushButton7, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)});
    // Enter on the keypad as well as Return.
    addShortcut(pushButton4,
                {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});

    // The designed tab order; the frame cannot hold the focus and is left out.
    const QList<QWidget*> tabOrder = {listView1, pushButton6, pushButton2, pushButton4,
                                      listView2, pushButton5, pushButton1, pushButton3,
                                      combo1,    pushButton7, pushButton8};
    for (qsizetype i = 0; i + 1 < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i], tabOrder[i + 1]);
    progressBar1->setFocusPolicy(Qt::NoFocus);

    // What a screen reader says: the lists are named for their contents, every control is
    // described by its caption or tool tip.
    listView1->setAccessibleName(QStringLiteral("List Entries"));
    listView2->setAccessibleName(QStringLiteral("Results"));
    progressBar1->setAccessibleName(QStringLiteral("Progress"));
    frame1->setAccessibleDescription(frame1->title());
    combo1->setAccessibleDescription(frame1->title());
    progressBar1->setAccessibleDescription(QStringLiteral("Progress Bar"));
}

QPushButton* MainWindow::makeButton(const QString& name, const QString& caption, QRect twips) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setGeometry(pixels(twips));
    button->setFont(boldArial(11.25));
    // Enter and Return press the focused button, as Space does.
    button->setAutoDefault(true);
    button->setAccessibleDescription(caption);
    return button;
}

// A shortcut presses its button, so the same handler runs as for a click, and the button's
// tool tip tells the user of it.
void MainWindow::addShortcut(QPushButton* button, const QList<QKeySequence>& keys) {
    auto* action = new QAction(button);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    connect(action, &QAction::triggered, button, &QPushButton::click);
    button->setToolTip(keys.first().toString(QKeySequence::NativeText));
}

ReportTable* MainWindow::makeListView(const QString& name, QRect twips) {
    auto* view = new ReportTable(this);
    view->setObjectName(name);
    view->setGeometry(pixels(twips));
    view->setToolTip(kListToolTip);
    view->setAccessibleDescription(kListToolTip);
    return view;
}

QString MainWindow::programFolder() const {
    return m_programFolder;
}

void MainWindow::setCaption(const QString& caption) {
    setWindowTitle(caption);
}

void MainWindow::setProgramIcon() {
    // The scalable icon stays sharp at every size and scale; without the SVG plugin the
    // picture is used.
    const bool svg = QImageReader::supportedImageFormats().contains("svg");
    const QIcon icon(svg ? QStringLiteral(":/icons/tavrolin.svg")
                         : QStringLiteral(":/icons/tavrolin.png"));
    setWindowIcon(icon);
    QApplication::setWindowIcon(icon);
}

// Kept here rather than as Qt's application display name: under X11 Qt appends that name to
// every window title, so the error report would read "Application Error — Tavrolin".
void MainWindow::setApplicationTitle(const QString& title) {
    m_applicationTitle = title;
}

void MainWindow::setBackgroundColour(Colour colour) {
    setBackground(this, colour);
}

QList<ControlInfo> MainWindow::controls() const {
    QList<ControlInfo> result;
    const QList<QWidget*> children = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        QString kind = QStringLiteral("Other");
        if (qobject_cast<QGroupBox*>(child) != nullptr)
            kind = QStringLiteral("Frame");
        else if (qobject_cast<QPushButton*>(child) != nullptr)
            kind = QStringLiteral("PushButton");
        else if (qobject_cast<ReportTable*>(child) != nullptr)
            kind = QStringLiteral("ListView");
        else if (qobject_cast<QProgressBar*>(child) != nullptr)
            kind = QStringLiteral("ProgressBar");
        result.append({child->objectName(), kind});
    }
    result.append({combo1->objectName(), QStringLiteral("ComboBox")});
    return result;
}

void MainWindow::setControlBackgroundColour(const QString& name, Colour colour) {
    if (auto* control = findChild<QWidget*>(name))
        setBackground(control, colour);
}

qint32 MainWindow::handle() const {
    // An opaque number that names this window to the skin engine.
    return qint32(quintptr(this) & 0x7fffffff);
}

void MainWindow::loadCustomPointer(const QString& path) {
    QImageReader reader(path, "cur");
    const QImage image = reader.read();
    if (image.isNull())
        throw RuntimeError::of(error::InvalidPicture);
    const QPoint hotSpot = cursorHotSpot(path);
    m_customCursor = QCursor(QPixmap::fromImage(image), hotSpot.x(), hotSpot.y());
}

void MainWindow::setPointer(int value) {
    // List creation sets the pointer once per entry; only a change reaches the platform.
    if (value == m_pointer)
        return;
    m_pointer = value;
    switch (value) {
    case pointer::Hourglass:
        setCursor(Qt::WaitCursor);
        break;
    case pointer::Custom:
        setCursor(m_customCursor.value_or(QCursor(Qt::PointingHandCursor)));
        break;
    default:
        setCursor(Qt::ArrowCursor);
        break;
    }
}

void MainWindow::endProcess(int exitStatus) {
    hide();
    m_handlers.endProcess(exitStatus);
}

void MainWindow::centre() {
    if (const QScreen* screen = this->screen())
        move(placedWindow(frameGeometry().size(), screen->availableGeometry()));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    Q_EMIT unloading();
}

} // namespace tavrolin::qt
