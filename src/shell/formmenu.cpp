// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formmenu.h"

#include "dialogs.h"
#include "navigator.h"
#include "sharedvalues.h"
#include "wrapbutton.h"
#include "wrapradiobutton.h"

#include <QButtonGroup>
#include <QLabel>

namespace Quozzoli {

namespace {

struct Heading
{
    int index;
    const char *text;
    QRect twips;
};

// The column headings, in the form's own small bold face.
const Heading Headings[] = {
    {0, "Con i numeri", QRect(120, 3840, 3000, 255)},
    {1, "Con supporto grafico", QRect(120, 360, 3000, 255)},
    {2, "dividendo di due cifre", QRect(3240, 240, 3000, 255)},
    {3, "dividendo di tre cifre", QRect(6360, 360, 3000, 255)},
};

struct ExerciseButton
{
    int number; // CommandN
    const char *caption;
    ScreenId opens;
    QPoint twips;
    int column; // the heading above the button
};

// What a screen reader says of an exercise button: its caption, spelled
// right, and the heading of its column, which tells apart the two buttons
// with the same caption.
QString spokenCaption(const ExerciseButton &entry)
{
    QString caption = QString::fromUtf8(entry.caption).trimmed();
    caption.replace(QStringLiteral("Quioziente"), QStringLiteral("Quoziente"));
    return caption + QStringLiteral(", ") + QString::fromUtf8(Headings[entry.column].text);
}

// In focus order: Command2 to Command12.
const ExerciseButton Buttons[] = {
    {2, "Quoziente di una cifra - senza resto", ScreenId::Form1, {3240, 720}, 2},
    {3, "Quioziente di una cifra - con il resto", ScreenId::Form3, {3240, 1440}, 2},
    {4, " Quoziente di due cifre - con il resto", ScreenId::Form4, {3240, 2880}, 2},
    {5, "Quoziente di due cifre - senza resto", ScreenId::Form2, {3240, 2160}, 2},
    {6, "Quoziente di due cifre - senza resto", ScreenId::Form5, {6360, 720}, 3},
    {7, "Partizione senza resto", ScreenId::Form6, {120, 720}, 1},
    {8, "Contenenza senza resto", ScreenId::Form7, {120, 1440}, 1},
    {9, "Partizione con il resto", ScreenId::Form8, {120, 2160}, 1},
    {10, "Contenenza con il resto", ScreenId::Form9, {120, 2880}, 1},
    {11, "tabelline", ScreenId::Form10, {120, 4200}, 0},
    {12, " Quoziente di due cifre - con il resto", ScreenId::Form11, {6360, 1440}, 3},
};

const DesignFont FormFont {8.25, true, QStringLiteral("MS Sans Serif")};

} // namespace

QString FormMenu::spokenName(ScreenId id)
{
    for (const ExerciseButton &entry : Buttons) {
        if (entry.opens == id)
            return spokenCaption(entry);
    }
    return QString();
}

FormMenu::FormMenu(QWidget *parent)
    : Screen(QSize(9600, 7200), QColor(0, 255, 255), parent)
{
    setObjectName(QStringLiteral("FormMenu"));
    setAccessibleName(QStringLiteral("Menù"));
    setColourTable(ColourTableVariant::Standard);

    for (const Heading &heading : Headings) {
        QLabel *label = makeLabel(QStringLiteral("Label1_%1").arg(heading.index),
                                  QString::fromUtf8(heading.text), canvas());
        canvas()->place(label, heading.twips, FormFont);
    }

    auto *esci = new WrapButton(QStringLiteral("Esci"), canvas());
    esci->setObjectName(QStringLiteral("Command1"));
    canvas()->place(esci, QRect(6120, 5805, 2895, 810), {18});
    connect(esci, &QPushButton::clicked, this, [this] { Dialogs::chiediUscita(this); });
    QWidget *previous = esci;

    for (const ExerciseButton &entry : Buttons) {
        auto *button = new WrapButton(QString::fromUtf8(entry.caption), canvas());
        button->setObjectName(QStringLiteral("Command%1").arg(entry.number));
        canvas()->place(button, QRect(entry.twips, QSize(3000, 600)), {9.75});
        button->setAccessibleName(spokenCaption(entry));
        const ScreenId target = entry.opens;
        connect(button, &QPushButton::clicked, this, [this, target] { openExercise(target); });
        setTabOrder(previous, button);
        previous = button;
    }

    auto *group = new QButtonGroup(this);
    const char *captions[2] = {"prosegue automaticamente  negli esercizi",
                               "attende la pressione del bottone per proseguire"};
    const int tops[2] = {4320, 3120};
    for (int index = 0; index < 2; ++index) {
        m_options[index] = new WrapRadioButton(QString::fromUtf8(captions[index]), canvas());
        m_options[index]->setObjectName(QStringLiteral("Option1_%1").arg(index));
        canvas()->place(m_options[index], QRect(6360, tops[index], 2895, 975), {9.75});
        group->addButton(m_options[index], index);
        setTabOrder(previous, m_options[index]);
        previous = m_options[index];
    }
    m_options[1]->setChecked(true);
    connect(group, &QButtonGroup::idClicked, this, &FormMenu::option1Click);
    connect(group, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked)
            option1Click(index);
    });

    esci->setFocus();
}

void FormMenu::formLoad()
{
    m_options[shared().attendiBottone ? 1 : 0]->setChecked(true);
    caricaColori();
    for (WrapRadioButton *option : m_options)
        DesignCanvas::setDesignColours(option, background());
}

void FormMenu::option1Click(int index)
{
    shared().attendiBottone = index != 0;
}

void FormMenu::openExercise(ScreenId id)
{
    Navigator::open(id, this);
}

} // namespace Quozzoli
