#include "ExportScreen.h"

#include "card/FieldBehaviour.h"
#include "card/ToolBar.h"
#include "platform/Desktop.h"
#include "platform/ExeFolder.h"
#include "platform/HelpTopics.h"
#include "platform/Picture.h"
#include "platform/TfrmGuida.h"
#include "storage/ArchiveFile.h"
#include "storage/ListSearch.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QSet>
#include <QShowEvent>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {
constexpr int kEmptyRows = 10;
constexpr qint64 kBlockRows = 256; // rows read together as the grid shows them
} // namespace

// The rows of the grid over the archive: a block of records read and turned into cells when
// a row of it is shown, the edited cells kept apart. With no records the grid shows ten empty
// rows, whose editable columns are those of the records'.
class ExportRecordsModel final : public QAbstractTableModel {
public:
    ExportRecordsModel(const ExportScreen::Setup& setup, QObject* parent)
        : QAbstractTableModel(parent), m_setup(setup)
    {
    }

    // Counts the archive's records again; edits and the block read go.
    void load()
    {
        beginResetModel();
        m_edited.clear();
        m_editedRows.clear();
        m_blockStart = -1;
        m_block.clear();
        m_records = 0;
        try {
            ArchiveFile archive(m_setup.archivePath(), m_setup.layout->size());
            archive.openOrCreate();
            m_records = archive.count();
            archive.close();
        } catch (const std::exception&) {
            // An archive that cannot be read shows the empty rows.
        }
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : m_records > 0 ? int(m_records) : kEmptyRows;
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_setup.columns.size()) + 1;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
            return QAbstractTableModel::headerData(section, orientation, role);
        return section == 0 ? u"N."_s : m_setup.columns[section - 1].gridHeader;
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        if (role == Qt::TextAlignmentRole) {
            if (index.column() > 0 && m_setup.columns[index.column() - 1].exported.rightAligned)
                return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
            return {};
        }
        if (role != Qt::DisplayRole && role != Qt::EditRole)
            return {};
        return cell(index.row(), index.column());
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        // The same columns are editable with an empty archive's ten rows as with records.
        if (!index.isValid())
            return Qt::NoItemFlags;
        if (index.column() == 0)
            return Qt::ItemIsEnabled;
        return m_setup.columns[index.column() - 1].editable
                   ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                   : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override
    {
        if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
            return false;
        m_edited.insert(key(index.row(), index.column()), value.toString());
        m_editedRows.insert(index.row());
        Q_EMIT dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
        return true;
    }

    // Every row as the grid shows it, edited cells as edited, the archive read once more in
    // file order rather than row by row. A row nobody edited goes straight from the stored
    // bytes.
    void writeRows(Spreadsheet::Writer& writer) const
    {
        const int columns = int(m_setup.columns.size());
        bool ok = true;
        int row = 0;
        const auto writeEdited = [&](QStringList cells) {
            cells.resize(columns);
            for (int c = 0; c < columns; ++c) {
                const auto it = m_edited.constFind(key(row, c + 1));
                if (it != m_edited.cend())
                    cells[c] = *it;
            }
            ok = writer.row(cells);
        };
        if (m_records > 0) {
            ListSearch::forEachRecord(m_setup.archivePath(), *m_setup.layout, [&](const Record& record, int) {
                if (!ok || row >= m_records)
                    return;
                if (m_editedRows.contains(row))
                    writeEdited(m_setup.cells->values(record));
                else
                    ok = m_setup.cells->writeRow(writer, record);
                ++row;
            });
        }
        // Rows the archive no longer holds go as the grid shows them.
        for (; ok && row < rowCount(); ++row)
            writeEdited({});
    }

private:
    static quint64 key(int row, int column) { return quint64(row) << 16 | quint64(column); }

    QString cell(int row, int column) const
    {
        const auto it = m_edited.constFind(key(row, column));
        if (it != m_edited.cend())
            return *it;
        if (m_records == 0)
            return {};
        if (column == 0)
            return QString::number(row + 1);
        const qint64 start = row / kBlockRows * kBlockRows;
        if (start != m_blockStart)
            readBlock(start);
        const qsizetype at = row - start;
        return at < m_block.size() ? m_block[at].value(column - 1) : QString();
    }

    void readBlock(qint64 start) const
    {
        m_blockStart = start;
        m_block.clear();
        QByteArray bytes;
        try {
            ArchiveFile archive(m_setup.archivePath(), m_setup.layout->size());
            archive.openOrCreate();
            const qint64 count = std::min(kBlockRows, archive.count() - start);
            if (count > 0) {
                archive.seek(start);
                archive.readBlock(bytes, count);
            }
            archive.close();
        } catch (const std::exception&) {
            // The records read before the failure are shown; the others stay empty.
        }
        Record record(*m_setup.layout);
        const int size = m_setup.layout->size();
        for (qsizetype offset = 0; offset + size <= bytes.size(); offset += size) {
            std::memcpy(record.bytes().data(), bytes.constData() + offset, size_t(size));
            m_block.append(m_setup.cells->values(record));
        }
    }

    const ExportScreen::Setup m_setup; // a copy: the view may still ask for cells while the screen goes
    qint64 m_records = 0;
    QHash<quint64, QString> m_edited;
    QSet<int> m_editedRows;
    mutable qint64 m_blockStart = -1;
    mutable QList<QStringList> m_block;
};

ExportScreen::ExportScreen(Setup setup, QWidget* owner)
    : DialogScreen(setup.caption, owner), m_setup(std::move(setup))
{
    resize(1100, 640);
    setWindowFlags(windowFlags() | Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    auto* layout = new QVBoxLayout(this);

    panInfo = new QLabel(u"Esportazione archivio in Microsoft Excel."_s, this);
    panInfo->setObjectName(u"panInfo"_s);
    panInfo->setStyleSheet(u"background: #6A5ACD; color: white; font: 11pt; padding: 4px 10px;"_s);

    auto* top = new QHBoxLayout;
    top->addWidget(new Picture(u"imgLogo"_s, u"logo"_s, QSize(260, 61), this));
    top->addStretch();
    auto* bar = new ToolBar(this, panInfo);
    cmdEsporta =
        bar->add({"cmdEsporta", u"excel"_s, u"Esporta"_s, u"Esporta l'archivio in formato Microsoft Excel."_s,
                  [this] { cmdEsportaClick(); }});
    cmdGuida =
        bar->add({"cmdGuida", u"help"_s, u"Guida"_s,
                  u"Visualizza la pagina della guida sensibile al contesto."_s, [this] { cmdGuidaClick(); }});
    cmdEsci = bar->add(
        {"cmdEsci", u"exit"_s, u"Esci"_s, u"Esci da questo ambiente di lavoro."_s, [this] { close(); }});
    bar->addGroup(QList<QWidget*>{cmdEsporta, cmdGuida, cmdEsci});
    top->addWidget(bar);
    layout->addLayout(top);

    grdRecords = new QTableView(this);
    grdRecords->setObjectName(u"grdRecords"_s);
    // Owned by the grid, so it goes with the grid and never before it.
    m_records = new ExportRecordsModel(m_setup, grdRecords);
    grdRecords->setModel(m_records);
    grdRecords->setAlternatingRowColors(true);
    grdRecords->verticalHeader()->hide();
    // Each column at least as wide as its whole header.
    QHeaderView* header = grdRecords->horizontalHeader();
    grdRecords->setColumnWidth(0, std::max(50, header->sectionSizeHint(0)));
    for (int c = 0; c < m_setup.columns.size(); ++c)
        grdRecords->setColumnWidth(c + 1, std::max({120, m_setup.columns[c].exported.width * 2 / 3,
                                                    header->sectionSizeHint(c + 1)}));
    layout->addWidget(grdRecords, 1);
    layout->addWidget(panInfo);

    FieldBehaviour::noHint(this, panInfo);
    FieldBehaviour::noHint(grdRecords->viewport(), panInfo);
}

void ExportScreen::showEvent(QShowEvent* event)
{
    DialogScreen::showEvent(event);
    if (!event->spontaneous()) // shown again by the window system: the edited cells stay
        m_records->load();
}

void ExportScreen::cmdEsportaClick()
{
    if (!Desktop::confirm(
            u"L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di "
            u"schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?"_s))
        return;
    QList<Spreadsheet::Column> columns;
    for (const Column& c : m_setup.columns)
        columns.append(c.exported);
    const QString path = ExeFolder::file(m_setup.fileName);
    try {
        // Row by row into the file: no copy of the whole table is made first.
        Spreadsheet::write(path, m_setup.worksheet, columns,
                           [this](Spreadsheet::Writer& writer) { m_records->writeRows(writer); });
    } catch (const std::exception&) {
        Desktop::plain(u"Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                       u"Accertarsi che il file di Excel non sia già aperto."_s);
        return;
    }
    if (Desktop::confirm(u"Le schede in archivio sono state esportate con successo.\r\n\r\n"
                         u"Si vuole aprire il file di Excel?"_s))
        TMisc::Open(u"\""_s + path + u"\""_s);
}

void ExportScreen::cmdGuidaClick()
{
    showHelp(this, m_setup.help);
}
