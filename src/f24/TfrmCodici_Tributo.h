#pragma once

#include "report/ListScreen.h"

#include <QStringList>
#include <functional>

// The fixed table of the tax codes of an F24 ELIDE form: found by a word, printed, and a
// double-click hands the chosen code to the code field that lblMemory names.
class TfrmCodici_Tributo : public ListScreen {
    Q_OBJECT
public:
    explicit TfrmCodici_Tributo(QWidget* owner = nullptr);

    // The 15 lines, "code  -  description", in the order of the form's instructions.
    static const QStringList& table();

    // What a double-click does with the chosen code: `field` is "Codice01" or "Codice02" as
    // lblMemory says; installed by the opener.
    using Chosen = std::function<void(const QString& field, const QString& code)>;
    void setChosen(Chosen chosen) { m_chosen = std::move(chosen); }

protected:
    QList<ListSearch::ListLine> search(const QStringList& criteria) override;
    void handOver(const ListSearch::ListLine& chosen) override;
    void showEvent(QShowEvent* event) override;

private:
    Chosen m_chosen;
};
