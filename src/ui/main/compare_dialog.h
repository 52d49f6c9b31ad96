#pragma once

// Compare with File on Disk: the file as it is against what Save would write, as a unified
// diff with the changed lines lit and how many lines change above it. The rows are shown by
// a flat view like the list's, so that a comparison of a long file costs no layout per line.

#include <QAbstractListModel>
#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "files/line_comparison.h"
#include "ui/main/action_list_view.h"

class QLabel;
class QPushButton;

namespace kestrune {

// The rows of a comparison: the two file headers, then each hunk's header and its lines.
// The comparison is the caller's and outlives the model.
class DiffLinesModel : public QAbstractListModel {
    Q_OBJECT
  public:
    enum class Row { FileHeader, HunkHeader, Same, Removed, Added };

    DiffLinesModel(const LineComparison& comparison, const QString& path,
                   QObject* parent = nullptr);

    Row rowKind(int row) const;
    // The line's end when it is not the CR LF a save writes.
    std::optional<LineEnd> oddEnd(int row) const;
    // The most characters on one row.
    int widestRow() const { return widest_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    // Where the rows of one hunk header or one run begin; run -1 is the hunk's header.
    struct Segment {
        int firstRow = 0;
        int hunk = 0;
        int run = -1;
    };
    struct Place {
        const DiffRun* run = nullptr;  // none for a header
        std::size_t line = 0;
    };
    Place placeOf(int row) const;
    QString text(int row) const;

    const LineComparison& comparison_;
    QString headers_[2];
    std::vector<Segment> segments_;
    int rows_ = 0;
    int widest_ = 0;
};

class DiffView : public ActionListView {
    Q_OBJECT
  public:
    explicit DiffView(QWidget* parent = nullptr);
    void showLines(DiffLinesModel* lines);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void fitColumn();
    DiffLinesModel* lines_ = nullptr;
};

class CompareDialog : public QDialog {
    Q_OBJECT
  public:
    // path names the file in the headers; the comparison outlives the dialog.
    CompareDialog(const LineComparison& comparison, const std::string& path,
                  QWidget* parent = nullptr);

    DiffLinesModel& lines() { return lines_; }
    // The comparison as diff -u prints it, as Copy puts it on the clipboard.
    QString unifiedText() const;

  private:
    const LineComparison& comparison_;
    QString path_;
    DiffLinesModel lines_;
};

}  // namespace kestrune
