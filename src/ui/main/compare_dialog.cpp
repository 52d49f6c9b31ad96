#include "ui/main/compare_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/text_codec.h"
#include "ui/main/compare_texts.h"

namespace kestrune {

namespace texts = compare_texts;

namespace {

constexpr int kFileHeaders = 2;

QString endMark(LineEnd end) {
    switch (end) {
        case LineEnd::Lf:
            return Utf8Text(texts::kEndLf);
        case LineEnd::Cr:
            return Utf8Text(texts::kEndCr);
        case LineEnd::None:
            return texts::Tr(texts::kEndNone);
        case LineEnd::CrLf:
            break;
    }
    return {};
}

QString endTip(LineEnd end) {
    return texts::Tr(end == LineEnd::Lf   ? texts::kEndLfTip
                     : end == LineEnd::Cr ? texts::kEndCrTip
                                          : texts::kEndNoneTip);
}

}  // namespace

DiffLinesModel::DiffLinesModel(const LineComparison& comparison, const QString& path,
                               QObject* parent)
    : QAbstractListModel(parent),
      comparison_(comparison),
      headers_{QStringLiteral("--- ") + path,
               QStringLiteral("+++ ") + path + texts::Tr(texts::kWrittenEnd)} {
    if (comparison.hunks.empty()) {
        return;  // nothing changes: nothing to show, as diff shows nothing
    }
    rows_ = kFileHeaders;
    std::size_t widest = static_cast<std::size_t>(std::max(headers_[0].size(), headers_[1].size()));
    for (std::size_t h = 0; h < comparison.hunks.size(); ++h) {
        const DiffHunk& hunk = comparison.hunks[h];
        segments_.push_back({rows_, static_cast<int>(h), -1});
        rows_ += 1;
        widest = std::max(widest, HunkHeader(hunk).size());
        for (std::size_t r = 0; r < hunk.runs.size(); ++r) {
            const DiffRun& run = hunk.runs[r];
            segments_.push_back({rows_, static_cast<int>(h), static_cast<int>(r)});
            rows_ += static_cast<int>(run.count);
            const LinedText& text = comparison.textOf(run.mark);
            for (std::size_t i = run.first; i < run.first + run.count; ++i) {
                const std::size_t mark = static_cast<std::size_t>(endMark(text.end(i)).size());
                widest = std::max(widest, 1 + text.text(i).size() + mark);
            }
        }
    }
    widest_ = static_cast<int>(std::min<std::size_t>(widest, 1 << 16));
}

DiffLinesModel::Place DiffLinesModel::placeOf(int row) const {
    if (row < kFileHeaders) {
        return {};
    }
    const auto after =
        std::upper_bound(segments_.begin(), segments_.end(), row,
                         [](int r, const Segment& segment) { return r < segment.firstRow; });
    const Segment& segment = *(after - 1);
    if (segment.run < 0) {
        return {};
    }
    const DiffRun& run = comparison_.hunks[static_cast<std::size_t>(segment.hunk)]
                             .runs[static_cast<std::size_t>(segment.run)];
    return {&run, run.first + static_cast<std::size_t>(row - segment.firstRow)};
}

DiffLinesModel::Row DiffLinesModel::rowKind(int row) const {
    if (row < kFileHeaders) {
        return Row::FileHeader;
    }
    const Place place = placeOf(row);
    if (place.run == nullptr) {
        return Row::HunkHeader;
    }
    switch (place.run->mark) {
        case LineMark::Removed:
            return Row::Removed;
        case LineMark::Added:
            return Row::Added;
        case LineMark::Same:
            break;
    }
    return Row::Same;
}

std::optional<LineEnd> DiffLinesModel::oddEnd(int row) const {
    const Place place = placeOf(row);
    if (place.run == nullptr) {
        return std::nullopt;
    }
    const LineEnd end = comparison_.textOf(place.run->mark).end(place.line);
    return end == LineEnd::CrLf ? std::nullopt : std::optional(end);
}

QString DiffLinesModel::text(int row) const {
    if (row < kFileHeaders) {
        return headers_[row];
    }
    const Place place = placeOf(row);
    if (place.run == nullptr) {
        const auto after =
            std::upper_bound(segments_.begin(), segments_.end(), row,
                             [](int r, const Segment& segment) { return r < segment.firstRow; });
        return QString::fromLatin1(
            HunkHeader(comparison_.hunks[static_cast<std::size_t>((after - 1)->hunk)]));
    }
    const LinedText& lines = comparison_.textOf(place.run->mark);
    return QChar(static_cast<char>(place.run->mark)) + FromCp1252(lines.text(place.line)) +
           endMark(lines.end(place.line));
}

int DiffLinesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

QVariant DiffLinesModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const int row = index.row();
    switch (role) {
        case Qt::DisplayRole:
            return text(row);
        case Qt::ToolTipRole:
            if (const auto end = oddEnd(row)) {
                return endTip(*end);
            }
            break;
        case Qt::BackgroundRole:
            // Light colours under dark text, whatever the desktop's colours.
            switch (rowKind(row)) {
                case Row::Removed:
                    return QBrush(QColor(255, 215, 215));
                case Row::Added:
                    return QBrush(QColor(210, 245, 210));
                case Row::HunkHeader:
                    return QBrush(QColor(225, 232, 248));
                default:
                    break;
            }
            break;
        case Qt::ForegroundRole:
            if (rowKind(row) != Row::Same && rowKind(row) != Row::FileHeader) {
                return QBrush(Qt::black);
            }
            break;
        case Qt::AccessibleDescriptionRole:
            // The colours in words; the hunk's header says what it is in its text.
            switch (rowKind(row)) {
                case Row::Removed:
                    return texts::Tr(texts::kRemovedLine);
                case Row::Added:
                    return texts::Tr(texts::kAddedLine);
                default:
                    break;
            }
            break;
        default:
            break;
    }
    return {};
}

DiffView::DiffView(QWidget* parent) : ActionListView(parent) {
    setObjectName(QStringLiteral("lstDiff"));
    setAccessibleName(texts::Tr(texts::kChanges));
    setReadAs(ReadAs::Lines);
    header()->hide();
    setIconSize(QSize(0, 0));
    setRowPadding(1);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setSelectionMode(QAbstractItemView::NoSelection);
    setTextElideMode(Qt::ElideNone);
}

void DiffView::showLines(DiffLinesModel* lines) {
    lines_ = lines;
    setModel(lines);
    fitColumn();
}

void DiffView::fitColumn() {
    // A fixed-width font: every character is as wide as any other.
    const int chars = lines_ != nullptr ? lines_->widestRow() : 0;
    const int needed = (chars + 1) * fontMetrics().horizontalAdvance(QLatin1Char('M'));
    header()->resizeSection(0, std::max(needed, viewport()->width()));
}

void DiffView::resizeEvent(QResizeEvent* event) {
    ActionListView::resizeEvent(event);
    fitColumn();
}

CompareDialog::CompareDialog(const LineComparison& comparison, const std::string& path,
                             QWidget* parent)
    : QDialog(parent),
      comparison_(comparison),
      path_(PathText(path)),
      lines_(comparison, path_, this) {
    setObjectName(QStringLiteral("frmCompare"));
    setWindowTitle(texts::Tr(texts::kTitle));
    auto* count = new QLabel(texts::changedLines(comparison.changedLines()), this);
    count->setObjectName(QStringLiteral("lblCount"));
    QFont bold = count->font();
    bold.setBold(true);
    count->setFont(bold);
    auto* view = new DiffView(this);
    view->showLines(&lines_);
    auto* buttons = new QDialogButtonBox(this);
    auto* copy = buttons->addButton(texts::Tr(texts::kCopy), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("cmdCopy"));
    copy->setEnabled(comparison.changedLines() > 0);
    auto* close = buttons->addButton(texts::Tr(texts::kClose), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(count);
    layout->addWidget(view, 1);
    layout->addWidget(buttons);
    resize(760, 480);

    connect(copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(unifiedText()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString CompareDialog::unifiedText() const {
    // The headers name the file in the system's encoding, the lines are Windows-1252.
    const std::string diff = UnifiedDiff(comparison_, "", "");
    if (diff.empty()) {
        return {};
    }
    const std::size_t headers = std::string_view("--- \n+++ \n").size();
    return QStringLiteral("--- ") + path_ + QStringLiteral("\n+++ ") + path_ +
           texts::Tr(texts::kWrittenEnd) + QLatin1Char('\n') +
           FromCp1252(std::string_view(diff).substr(headers));
}

}  // namespace kestrune
