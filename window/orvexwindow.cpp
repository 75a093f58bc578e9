#include "orvexwindow.h"

#include "boardaccessible.h"
#include "boardview.h"
#include "catalogue.h"
#include "fonts.h"
#include "units.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QKeyEvent>

namespace orvex {
namespace {

// The window's controls, in twips like the rest of the board.
struct ControlPlace {
    int left, top, width, height;
};
constexpr ControlPlace kCbocpu{1050, 120, 5070, 345};
constexpr ControlPlace kCmdprint{6240, 60, 735, 495};
constexpr ControlPlace kCmdexit{7080, 60, 735, 495};

constexpr std::uint32_t kListText = 0x008080; // olive
constexpr std::uint32_t kWhite = 0xFFFFFF;

void place(QWidget* w, const ControlPlace& p)
{
    w->setGeometry(twipsBox(p.left, p.top, p.width, p.height));
}

QPushButton* makeButton(const QString& text, const ControlPlace& p, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    place(button, p);
    button->setFont(boardFont(FontId::WindowBold));
    QPalette pal;
    pal.setColor(QPalette::Button, fromBgr(kWhite));
    button->setPalette(pal);
    // Enter presses a button only while it has the focus: there is no default button.
    button->setAutoDefault(true);
    button->setDefault(false);
    return button;
}

} // namespace

OrvexWindow::OrvexWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("orvex"));
    setWindowTitle(QStringLiteral("ORVEX"));
    setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
    setFixedSize(kAreaWidth, kAreaHeight);
    setFont(boardFont(FontId::Window));

    BoardAccessible::install();
    m_view = new BoardView(m_board, this);
    m_view->setObjectName(QStringLiteral("board"));
    m_view->setGeometry(0, 0, kAreaWidth, kAreaHeight);

    // The controls are created after the board so they stand in front of it.
    m_cbocpu = new QComboBox(this);
    m_cbocpu->setObjectName(QStringLiteral("cbocpu"));
    m_cbocpu->setEditable(false);
    m_cbocpu->setInsertPolicy(QComboBox::NoInsert);
    m_cbocpu->setMaxVisibleItems(16);
    m_cbocpu->setAccessibleName(tr("Processor"));
    m_cbocpu->setAccessibleDescription(tr("The processor to fit; the board shows its jumpers."));
    place(m_cbocpu, kCbocpu);
    // Fresh palettes set only the designed colours; every other role follows the scheme.
    QPalette listPal;
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        listPal.setColor(role, fromBgr(kListText));
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window})
        listPal.setColor(role, fromBgr(kWhite));
    m_cbocpu->setPalette(listPal);

    m_cmdprint = makeButton(QStringLiteral("&Print"), kCmdprint, this);
    m_cmdprint->setObjectName(QStringLiteral("cmdprint"));
    m_cmdprint->setAccessibleName(tr("Print"));
    m_cmdprint->setAccessibleDescription(tr("Print the board on the default printer"));
    m_cmdexit = makeButton(QStringLiteral("E&xit"), kCmdexit, this);
    m_cmdexit->setObjectName(QStringLiteral("cmdexit"));
    m_cmdexit->setAccessibleName(tr("Exit"));
    m_cmdexit->setAccessibleDescription(tr("End the program"));

    setTabOrder(m_cbocpu, m_cmdprint);
    setTabOrder(m_cmdprint, m_cmdexit);

    connect(m_cmdprint, &QPushButton::clicked, this, &OrvexWindow::cmdprint_Click);
    connect(m_cmdexit, &QPushButton::clicked, this, &OrvexWindow::cmdexit_Click);

    Form_Load();
}

OrvexWindow::~OrvexWindow() = default;

void OrvexWindow::keyPressEvent(QKeyEvent* event)
{
    // Exit is the cancel button: an Esc that nothing else took presses it. An open processor
    // list takes its own Esc to close, so that Esc does not end the program.
    if (event->matches(QKeySequence::Cancel)) {
        m_cmdexit->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void OrvexWindow::Form_Load()
{
    // Centre the window, frame included, on the screen; on a small screen it may start off
    // the top-left edge, as designed.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        const QSize outer = frameGeometry().size();
        move(area.x() + (area.width() - outer.width()) / 2,
             area.y() + (area.height() - outer.height()) / 2);
    }

    for (const CpuEntry& entry : CpuCatalogue) {
        m_cbocpu->addItem(QString::fromLatin1(entry.text.data(), qsizetype(entry.text.size())));
        m_cbocpu->setItemData(m_cbocpu->count() - 1, entry.tag);
    }
    // Listen only once the list is whole: the first entry added becomes current by itself,
    // and that is not a choice. Selecting the initial entry then shows its jumpers once.
    connect(m_cbocpu, &QComboBox::currentIndexChanged, this, &OrvexWindow::cbocpu_Click);
    m_cbocpu->setCurrentIndex(InitialCpuIndex);
    m_cbocpu->setFocus();
}

int OrvexWindow::selectedIndex() const
{
    return m_cbocpu->currentIndex();
}

std::optional<std::int32_t> OrvexWindow::entryTag(int index) const
{
    const QVariant data = m_cbocpu->itemData(index);
    bool ok = false;
    const int tag = data.toInt(&ok);
    if (!data.isValid() || !ok)
        return std::nullopt;
    return tag;
}

void OrvexWindow::setPinFill(std::string_view name, std::uint32_t bgr)
{
    if (const std::optional<QRectF> box = m_board.setFill(name, bgr))
        m_view->update(box->toAlignedRect()); // coalesced into one repaint per choice
}

void OrvexWindow::cbocpu_Click()
{
    ++m_showJumpersRuns;
    m_lastShow = orvex::cbocpu_Click(*this);
    if (m_lastShow == ShowResult::Shown)
        BoardAccessible::jumpersChanged(m_view);
    if (m_lastShow == ShowResult::TagOverflow)
        qWarning("orvex: the selected processor's tag does not fit in 16 bits; pins unchanged");
}

void OrvexWindow::cmdexit_Click()
{
    close();
}

void OrvexWindow::paintPicture(QPainter& painter)
{
    m_board.paint(painter, m_view->palette());
    // The style paints the list and the buttons through pixmaps at the device's resolution,
    // which on a 1200-dpi page are megabytes each. Four times the screen's is sharp on paper.
    constexpr qreal kControlScale = 4.0;
    for (QWidget* control : {static_cast<QWidget*>(m_cbocpu), static_cast<QWidget*>(m_cmdprint),
                             static_cast<QWidget*>(m_cmdexit)}) {
        QImage image(control->size() * kControlScale, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(kControlScale);
        image.fill(Qt::transparent);
        control->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        painter.drawImage(QRectF(control->geometry()), image);
    }
}

bool OrvexWindow::printTo(QPrinter& printer, QString* error)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error)
            *error = tr("The printer could not be opened.");
        return false;
    }
    // At the window's own size if the page takes it, else scaled down to fit one page.
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double natural = printer.resolution() / 96.0;
    const double scale =
        std::min({natural, page.width() / kAreaWidth, page.height() / kAreaHeight});
    painter.scale(scale, scale);
    paintPicture(painter);
    painter.end();
    return true;
}

void OrvexWindow::cmdprint_Click()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        reportPrintFailure(tr("No printer is installed, or the print service is not running."));
        return;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("ORVEX"));
    // Without a usable queue Qt quietly falls back to writing a PDF nowhere.
    if (printer.outputFormat() != QPrinter::NativeFormat || !printer.isValid()) {
        reportPrintFailure(tr("The printer \"%1\" cannot be used.").arg(info.printerName()));
        return;
    }
    QString error;
    if (!printTo(printer, &error))
        reportPrintFailure(error);
}

void OrvexWindow::reportPrintFailure(const QString& reason)
{
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("ORVEX - Print"),
                                reason + QLatin1Char('\n') + tr("Nothing was printed."),
                                QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("printFailure"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace orvex
