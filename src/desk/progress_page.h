#pragma once

#include <QDate>
#include <QWidget>
#include <memory>

class QDateEdit;
class QLabel;
class QListWidget;
class QPrinter;
class QPushButton;
class QScrollArea;
class QTableWidget;
class QTimer;

namespace kz::admin {
struct ReportInput;
}

namespace kz::desk {

class DeskClass;
class ProgressChart;

// "Progress": who read, and how much, in the days the teacher chooses (by default the last four
// weeks): per child the sessions and minutes of each week in Kiv and Zan as bar charts, the
// totals as a table (the charts' figures in text), and the children on the sign-in list who
// never read. The log is read through wqadmin's readers, again whenever the class folder
// changes; a log caught half-written or unreadable leaves the last good reading on show. Saves
// the same HTML report and CSV that wqadmin report and wqadmin log --csv write for these days,
// and prints.
class ProgressPage : public QWidget {
    Q_OBJECT
public:
    ProgressPage(DeskClass& deskClass, QWidget* parent = nullptr);
    ~ProgressPage() override;

    void setRange(QDate from, QDate to);
    QDate from() const;
    QDate to() const;

    // The report and the CSV of the chosen days, as wqadmin writes them; false (with the reason
    // in a message box) when the file cannot be written or the log was never read.
    bool saveHtml(const QString& path);
    bool saveCsv(const QString& path);
    // The page's chart, totals and never-read list on a printer (or a PDF file).
    void printTo(QPrinter& printer) const;

    // The state shown: the status line, the chart, the totals, the never-read list.
    QLabel* status() const { return m_status; }
    ProgressChart* chart() const { return m_chart; }
    QTableWidget* totals() const { return m_totals; }
    QListWidget* neverRead() const { return m_never; }

    // Reads the log and the sign-in list again and shows them.
    void reload();

private:
    void refresh();
    void chooseHtml();
    void chooseCsv();
    void print();
    QString printedHtml() const;

    DeskClass& m_class;
    std::unique_ptr<admin::ReportInput> m_input;  // the last good reading; null before one
    QString m_readTime;
    QDateEdit* m_from;
    QDateEdit* m_to;
    QPushButton* m_html;
    QPushButton* m_print;
    QPushButton* m_csv;
    QLabel* m_status;
    ProgressChart* m_chart;
    QScrollArea* m_chartArea = nullptr;
    QTableWidget* m_totals;
    QListWidget* m_never;
    QTimer* m_retry;
};

}  // namespace kz::desk
