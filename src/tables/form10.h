// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercisescreen.h"
#include "tabledrawer.h"

namespace Quozzoli {

class AnswerChain;
class TermsPanel;
struct TermsChoice;

// The times tables, in two modes chosen in "Scegli il tipo di esercizio":
// "Trova il prodotto" ( 7 x  6 =, the product typed after it) and "Trova un
// fattore" ( 7 x        = 42, the missing factor typed over the gap).
class Form10 : public ExerciseScreen
{
    Q_OBJECT

public:
    explicit Form10(QWidget *parent = nullptr);

    // The tables the child may choose among.
    static const TermsChoice &terms();

    void formActivate() override;
    void nuovaDivisione() override;

    TermsPanel *termsPanel() const { return m_terms; }
    const Multiplication &problem() const { return m_problem; }
    bool productMode() const;
    bool factorMode() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mnuEsciClick() override;

private:
    void menuProdottoClick();
    void menuFattoreClick();
    void setMode(bool product);
    void keepBoxesClear();

    QLabel *m_etichettaNumero;
    AnswerBox *m_text1;
    AnswerBox *m_text2;
    TermsPanel *m_terms;
    TableDrawer m_drawer;
    Multiplication m_problem;
    AnswerChain *m_answers;
};

} // namespace Quozzoli
