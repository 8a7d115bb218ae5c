#include "ui/articles/article_table_model.h"

#include "core/articles/column_titles.h"

#include <QColor>
#include <QPainter>
#include <QPixmap>

namespace morvane::ui {

using namespace articles;

namespace {

QIcon circle(const QColor &fill, const QColor &mark = QColor())
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::black);
    p.setBrush(fill);
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    if (mark.isValid()) {
        // The "ordered" variants carry a small blue square in the corner.
        p.setPen(Qt::NoPen);
        p.setBrush(mark);
        p.drawRect(10, 10, 6, 6);
    }
    return QIcon(pixmap);
}

QColor fromBgr(std::uint32_t bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

QString singleLine(const QString &text)
{
    if (!text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    out.replace(u'\n', u' ');
    out.replace(u'\r', u' ');
    return out;
}

}  // namespace

ArticleTableModel::ArticleTableModel(app::Workspace &workspace, QObject *parent)
    : QAbstractTableModel(parent), ws_(workspace)
{
    const QColor green(0, 170, 0), yellow(240, 200, 0), red(220, 0, 0), ordered(0, 90, 220);
    trafficLights_ = {circle(green), circle(yellow), circle(red),
                      circle(green, ordered), circle(yellow, ordered), circle(red, ordered)};
    reload();
}

void ArticleTableModel::reload()
{
    beginResetModel();
    titles_.clear();
    for (int c = 0; c < kListColumnCount; ++c) {
        const int source = c == 0 ? 0 : fieldOfColumn(c) + 1;
        titles_ << ws_.translator.translate(listColumnTitles()[std::size_t(source)]);
    }
    endResetModel();
}

int ArticleTableModel::fieldOfColumn(int column) const
{
    return column <= 0 ? -1 : ws_.articleSettings.spalte.at(column - 1);
}

QString ArticleTableModel::columnTitle(int column) const
{
    return titles_.value(column);
}

int ArticleTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(ws_.articles.size());
}

int ArticleTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kListColumnCount;
}

QIcon ArticleTableModel::iconFor(const Article &article) const
{
    const StatusIcon icon = RowAppearance::statusIcon(article, ws_.listOptions, ws_.format);
    if (icon.kind == StatusIcon::Kind::TrafficLight)
        return trafficLights_.value(icon.trafficLight);
    auto it = circles_.find(icon.circleBgr);
    if (it == circles_.end())
        it = circles_.insert(icon.circleBgr, circle(fromBgr(icon.circleBgr)));
    return *it;
}

QVariant ArticleTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(ws_.articles.size()))
        return {};
    const Article &article = ws_.articles[std::size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole: {
        const int field = fieldOfColumn(index.column());
        return singleLine(field < 0 ? article.name : article.field(field));
    }
    case Qt::ToolTipRole: {
        const int field = fieldOfColumn(index.column());
        const QString &text = field < 0 ? article.name : article.field(field);
        return text.contains(u'\n') ? QVariant(text) : QVariant();
    }
    case Qt::BackgroundRole: {
        const std::uint32_t bgr = RowAppearance::background(article, ws_.listOptions, ws_.format, ws_.clock.now());
        if (bgr == RowAppearance::kWhite)
            return {};
        return fromBgr(bgr);
    }
    case Qt::ForegroundRole: {
        const std::uint32_t bgr = RowAppearance::background(article, ws_.listOptions, ws_.format, ws_.clock.now());
        return bgr == RowAppearance::kWhite ? QVariant() : QVariant(QColor(Qt::black));
    }
    case Qt::DecorationRole:
        return index.column() == 0 ? QVariant(iconFor(article)) : QVariant();
    default:
        return {};
    }
}

QVariant ArticleTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return titles_.value(section);
}

}  // namespace morvane::ui
