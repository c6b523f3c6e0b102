#include "progress_page.h"

#include <QDateEdit>
#include <QDateTime>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTextDocument>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>
#include <exception>

#include "admin_common.h"
#include "class_log.h"
#include "desk_class.h"
#include "files/paths.h"
#include "narrow_layouts.h"
#include "progress_chart.h"
#include "qt_text.h"

namespace kz::desk {
namespace {

// A log caught while a program writes it is read again this soon, as often as it takes.
constexpr int kRetryMs = 700;

admin::DayRange dayRange(QDate from, QDate to) {
    return {from.toString(Qt::ISODate).toStdString(), to.toString(Qt::ISODate).toStdString()};
}

// 2026-03-07T09:05 as the teacher reads it: "Sat 7 Mar 2026, 9:05 am".
QString startText(const std::string& iso) {
    const QDateTime at = QDateTime::fromString(QString::fromStdString(iso), "yyyy-MM-ddTHH:mm");
    if (!at.isValid()) return QObject::tr("date not readable");
    //: A session's start as the teacher reads it (a QDateTime format).
    return QLocale().toString(at, QObject::tr("ddd d MMM yyyy, h:mm ap"));
}

QTableWidgetItem* cell(const QString& text, bool number) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (number) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

}  // namespace

ProgressPage::ProgressPage(DeskClass& deskClass, QWidget* parent)
    : QWidget(parent),
      m_class(deskClass),
      m_from(new QDateEdit(this)),
      m_to(new QDateEdit(this)),
      m_html(new QPushButton(tr("Save as &HTML..."), this)),
      m_print(new QPushButton(tr("P&rint..."), this)),
      m_csv(new QPushButton(tr("Save as CS&V..."), this)),
      m_status(new QLabel(this)),
      m_chart(new ProgressChart(this)),
      m_totals(new QTableWidget(this)),
      m_never(new QListWidget(this)),
      m_retry(new QTimer(this)) {
    setObjectName("ProgressPage");
    for (QDateEdit* edit : {m_from, m_to}) {
        edit->setCalendarPopup(true);
        //: The days of the date boxes (a QDate format).
        edit->setDisplayFormat(tr("d MMM yyyy"));
    }
    m_from->setAccessibleName(tr("First day"));
    m_to->setAccessibleName(tr("Last day"));
    m_html->setAccessibleName(tr("Save the report as a web page"));
    m_print->setAccessibleName(tr("Print the progress"));
    m_csv->setAccessibleName(tr("Save the sessions as CSV for a spreadsheet"));
    m_status->setAccessibleName(tr("What is shown"));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_status->setFocusPolicy(Qt::StrongFocus);
    m_totals->setAccessibleName(tr("Sessions and minutes of each child"));
    m_never->setAccessibleName(tr("Children who never read in these days"));
    // As wide as its longest name: the totals beside it take the rest.
    m_never->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);

    auto* fromLabel = new QLabel(tr("Fro&m:"), this);
    fromLabel->setBuddy(m_from);
    auto* toLabel = new QLabel(tr("T&o:"), this);
    toLabel->setBuddy(m_to);
    // The days, then the buttons, in one row while the width holds them, else in more.
    auto* days = new QWidget(this);
    auto* daysRow = new QHBoxLayout(days);
    daysRow->setContentsMargins(0, 0, 0, 0);
    daysRow->addWidget(fromLabel);
    daysRow->addWidget(m_from);
    daysRow->addWidget(toLabel);
    daysRow->addWidget(m_to);
    auto* top = new FlowLayout;
    top->addWidget(days);
    top->addWidget(m_html);
    top->addWidget(m_print);
    top->addWidget(m_csv);

    auto* scroll = new QScrollArea(this);
    m_chartArea = scroll;
    scroll->setWidget(m_chart);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    auto* chartLabel = new QLabel(tr("Each wee&k:"), this);
    chartLabel->setBuddy(m_chart);

    m_totals->setColumnCount(6);
    m_totals->setHorizontalHeaderLabels({tr("Child"), tr("Last session"), tr("Kiv sessions"),
                                         tr("Kiv minutes"), tr("Zan sessions"), tr("Zan minutes")});
    m_totals->verticalHeader()->hide();
    m_totals->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_totals->setSelectionBehavior(QAbstractItemView::SelectRows);
    // The figures' columns as wide as their headings; the last session shares out the rest of
    // the width, its text wrapped over more lines when a narrow screen leaves it too little.
    m_totals->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_totals->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_totals->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_totals->setWordWrap(true);
    m_totals->setTabKeyNavigation(false);
    auto* totalsLabel = new QLabel(tr("Tota&ls:"), this);
    totalsLabel->setBuddy(m_totals);
    auto* neverLabel = new QLabel(tr("&Never read:"), this);
    neverLabel->setBuddy(m_never);

    // The totals and the children who never read side by side when the totals' columns leave
    // room, else the list below the table.
    const auto column = [this](QLabel* label, QWidget* field) {
        auto* box = new QWidget(this);
        auto* rows = new QVBoxLayout(box);
        rows->setContentsMargins(0, 0, 0, 0);
        rows->addWidget(label);
        rows->addWidget(field, 1);
        return box;
    };
    auto* lower = new SideBySide(this);
    lower->addWidget(column(totalsLabel, m_totals), 1, [this] {
        // Every column on one line, with the table's frame and its scroll bar.
        int width = 2 * m_totals->frameWidth() + m_totals->verticalScrollBar()->sizeHint().width();
        for (int c = 0; c < m_totals->columnCount(); ++c) {
            width += std::max(m_totals->horizontalHeader()->sectionSizeHint(c),
                              static_cast<QAbstractItemView*>(m_totals)->sizeHintForColumn(c));
        }
        return width;
    });
    lower->addWidget(column(neverLabel, m_never), 0, [this, neverLabel] {
        // The longest name (or the heading), with the list's frame and its scroll bar.
        const int names = static_cast<QAbstractItemView*>(m_never)->sizeHintForColumn(0) +
                          2 * m_never->frameWidth() +
                          m_never->verticalScrollBar()->sizeHint().width();
        return std::max(neverLabel->sizeHint().width(), names);
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_status);
    layout->addWidget(chartLabel);
    layout->addWidget(scroll, 3);
    layout->addWidget(lower, 2);

    setTabOrder(m_from, m_to);
    setTabOrder(m_to, m_html);
    setTabOrder(m_html, m_print);
    setTabOrder(m_print, m_csv);
    setTabOrder(m_csv, m_status);
    setTabOrder(m_status, m_chart);
    setTabOrder(m_chart, m_totals);
    setTabOrder(m_totals, m_never);

    // The last four weeks: this week and the three before it, to today.
    const QDate today = QDate::currentDate();
    m_to->setDate(today);
    m_from->setDate(today.addDays(1 - today.dayOfWeek()).addDays(-21));

    m_retry->setSingleShot(true);
    m_retry->setInterval(kRetryMs);
    connect(m_retry, &QTimer::timeout, this, &ProgressPage::reload);
    connect(m_from, &QDateEdit::dateChanged, this, &ProgressPage::refresh);
    connect(m_to, &QDateEdit::dateChanged, this, &ProgressPage::refresh);
    connect(m_html, &QPushButton::clicked, this, &ProgressPage::chooseHtml);
    connect(m_csv, &QPushButton::clicked, this, &ProgressPage::chooseCsv);
    connect(m_print, &QPushButton::clicked, this, &ProgressPage::print);
    connect(&m_class, &DeskClass::filesChanged, this, &ProgressPage::reload);
    reload();
}

ProgressPage::~ProgressPage() = default;

QDate ProgressPage::from() const { return m_from->date(); }
QDate ProgressPage::to() const { return m_to->date(); }

void ProgressPage::setRange(QDate from, QDate to) {
    const QSignalBlocker blockFrom(m_from), blockTo(m_to);
    m_from->setDate(from);
    m_to->setDate(to);
    refresh();
}

void ProgressPage::reload() {
    QString failure;
    try {
        m_input = std::make_unique<admin::ReportInput>(admin::readReportInput(m_class.appDir()));
        //: The time the log was read (a QTime format).
        m_readTime = QLocale().toString(QTime::currentTime(), tr("h:mm:ss ap"));
        m_retry->stop();
    } catch (const std::exception& e) {
        // A program writing the log (or a file half-copied) reads as damaged for a moment: show
        // what was read last and look again shortly.
        failure = QString::fromStdString(e.what());
        m_retry->start();
    }
    refresh();
    if (!failure.isEmpty()) {
        m_status->setText(m_input ? tr("The log could not be read just now; it is read again in "
                                       "a moment. Shown: the log as read at %1. (%2)")
                                        .arg(m_readTime, failure)
                                  : tr("The log could not be read: %1").arg(failure));
    }
}

void ProgressPage::refresh() {
    const QDate from = m_from->date(), to = m_to->date();
    const bool haveInput = m_input != nullptr;
    const bool rangeOk = from <= to;
    m_html->setEnabled(haveInput && rangeOk);
    m_csv->setEnabled(haveInput && rangeOk);
    m_print->setEnabled(haveInput && rangeOk);
    m_totals->setRowCount(0);
    m_never->clear();
    if (!haveInput || !rangeOk) {
        m_chart->setReading({}, {}, {});
        if (!rangeOk) m_status->setText(tr("The first day is after the last day."));
        return;
    }
    const auto within = admin::sessionsWithin(m_input->sessions, dayRange(from, to));
    const admin::ClassReading reading = admin::classReading(within, m_input->listedUsers);
    m_chart->setReading(reading.children, from, to);
    // No taller than the chart: the room left goes to the totals below (a few rows of a class
    // at 640x480).
    m_chartArea->setMaximumHeight(m_chart->sizeHint().height() + 2 * m_chartArea->frameWidth() +
                                  m_chartArea->horizontalScrollBar()->sizeHint().height());

    m_totals->setRowCount(int(reading.children.size()));
    uint64_t sessions = 0;
    for (int r = 0; r < int(reading.children.size()); ++r) {
        const auto& c = reading.children[size_t(r)];
        m_totals->setItem(r, 0, cell(ui::fromFileText(c.name), false));
        const QString last = startText(c.lastStart) + " (" +
                             (c.lastProgram == 0 ? tr("Kiv") : tr("Zan")) + ", " +
                             tr("%1 min").arg(c.lastMinutes) + ")";
        m_totals->setItem(r, 1, cell(last, false));
        for (int p = 0; p < 2; ++p) {
            m_totals->setItem(r, 2 + 2 * p, cell(QString::number(c.total[p].sessions), true));
            m_totals->setItem(r, 3 + 2 * p, cell(QString::number(c.total[p].minutes), true));
            sessions += c.total[p].sessions;
        }
    }
    for (const auto& name : reading.neverRead) m_never->addItem(ui::fromFileText(name));
    if (reading.neverRead.empty()) m_never->addItem(tr("(everyone on the list read)"));

    const size_t children = reading.children.size();
    //: A day as the summary names it (a QDate format; the day's language gives the month).
    const QString dayFormat = tr("d MMMM yyyy");
    const QString first = QLocale().toString(from, dayFormat);
    const QString last = QLocale().toString(to, dayFormat);
    // One whole sentence for each count of one or more, so that each language orders its words.
    QString text;
    if (children == 1 && sessions == 1)
        text = tr("1 child read in 1 session from %1 to %2.").arg(first, last);
    else if (children == 1)
        text = tr("1 child read in %1 sessions from %2 to %3.").arg(sessions).arg(first, last);
    else if (sessions == 1)
        text = tr("%1 children read in 1 session from %2 to %3.").arg(children).arg(first, last);
    else
        text = tr("%1 children read in %2 sessions from %3 to %4.")
                   .arg(children)
                   .arg(sessions)
                   .arg(first, last);
    const uint64_t teacher = reading.teacher[0].sessions + reading.teacher[1].sessions;
    if (teacher > 0) {
        text += " " + tr("Signed in as Teacher (not counted): %1 sessions.").arg(teacher);
    }
    text += " " + tr("The log as read at %1.").arg(m_readTime);
    m_status->setText(text);
}

bool ProgressPage::saveHtml(const QString& path) {
    if (!m_input) return false;
    admin::ReportInput input = admin::reportWithin(*m_input, dayRange(from(), to()));
    const QDate today = QDate::currentDate();
    input.madeOn =
        admin::reportDayText(today.year(), unsigned(today.month()), unsigned(today.day()));
    //: The code of the language the saved report is written in (fr, es, de), for browsers and
    //: screen readers.
    input.language = tr("en").toStdString();
    const std::string held = fromSystemPath(path.toStdString());
    if (!writeFileAtomically(held, admin::logReportHtml(input))) {
        QMessageBox::warning(this, tr("Save as HTML"), tr("Could not write %1.").arg(path));
        return false;
    }
    return true;
}

bool ProgressPage::saveCsv(const QString& path) {
    if (!m_input) return false;
    const std::string csv =
        admin::sessionsCsv(admin::sessionsWithin(m_input->sessions, dayRange(from(), to())));
    if (!writeFileAtomically(fromSystemPath(path.toStdString()), csv)) {
        QMessageBox::warning(this, tr("Save as CSV"), tr("Could not write %1.").arg(path));
        return false;
    }
    return true;
}

void ProgressPage::chooseHtml() {
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Save the report as a web page"),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/" +
            tr("reading report") + ".html",
        tr("Web pages (*.html)"));
    if (!path.isEmpty()) saveHtml(path);
}

void ProgressPage::chooseCsv() {
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Save the sessions as CSV"),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/" +
            tr("reading sessions") + ".csv",
        tr("CSV files (*.csv)"));
    if (!path.isEmpty()) saveCsv(path);
}

void ProgressPage::print() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print the progress"));
    if (dialog.exec() == QDialog::Accepted) printTo(printer);
}

QString ProgressPage::printedHtml() const {
    QString html = "<h2>" + tr("Reading of %1").arg(m_class.shownFolder().toHtmlEscaped()) +
                   "</h2><p>" + m_status->text().toHtmlEscaped() +
                   "</p><p><img src=\"chart:week\"></p><table border=\"1\" cellspacing=\"0\" "
                   "cellpadding=\"3\"><tr>";
    for (int c = 0; c < m_totals->columnCount(); ++c) {
        html += "<th>" + m_totals->horizontalHeaderItem(c)->text().toHtmlEscaped() + "</th>";
    }
    html += "</tr>";
    for (int r = 0; r < m_totals->rowCount(); ++r) {
        html += "<tr>";
        for (int c = 0; c < m_totals->columnCount(); ++c) {
            html += "<td>" + m_totals->item(r, c)->text().toHtmlEscaped() + "</td>";
        }
        html += "</tr>";
    }
    html += "</table><h3>" + tr("Never read") + "</h3><p>";
    QStringList names;
    for (int i = 0; i < m_never->count(); ++i) names << m_never->item(i)->text().toHtmlEscaped();
    return html + names.join(", ") + "</p>";
}

void ProgressPage::printTo(QPrinter& printer) const {
    QTextDocument document;
    // The chart drawn at three times its size, so that it prints sharp.
    const QSize size = m_chart->sizeHint();
    QImage chart(size * 3, QImage::Format_RGB32);
    chart.fill(Qt::white);
    {
        QPainter painter(&chart);
        painter.scale(3, 3);
        m_chart->paintOn(painter);
    }
    chart.setDevicePixelRatio(3);
    document.addResource(QTextDocument::ImageResource, QUrl("chart:week"), chart);
    document.setHtml(printedHtml());
    document.print(&printer);
}

}  // namespace kz::desk
