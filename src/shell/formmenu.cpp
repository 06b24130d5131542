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

// Where the column headings stand, Label1(0) to Label1(3), in the form's own
// small bold face.
const QRect HeadingTwips[] = {
    QRect(120, 3840, 3000, 255),
    QRect(120, 360, 3000, 255),
    QRect(3240, 240, 3000, 255),
    QRect(6360, 360, 3000, 255),
};

const DesignFont FormFont {8.25, true, QStringLiteral("MS Sans Serif")};

} // namespace

FormMenu::FormMenu(QWidget *parent)
    : Screen(QSize(9600, 7200), QColor(0, 255, 255), parent)
{
    setObjectName(QStringLiteral("FormMenu"));
    setAccessibleName(QStringLiteral("Menù"));
    setColourTable(ColourTableVariant::Standard);

    for (int index = 0; index < 4; ++index) {
        QLabel *label = makeLabel(QStringLiteral("Label1_%1").arg(index),
                                  menuHeading(MenuColumn(index)), canvas());
        canvas()->place(label, HeadingTwips[index], FormFont);
    }

    auto *esci = new WrapButton(QStringLiteral("Esci"), canvas());
    esci->setObjectName(QStringLiteral("Command1"));
    canvas()->place(esci, QRect(6120, 5805, 2895, 810), {18});
    connect(esci, &QPushButton::clicked, this, [this] { Dialogs::chiediUscita(this); });
    QWidget *previous = esci;

    for (const ExerciseEntry &entry : Navigator::exercises()) {
        auto *button = new WrapButton(QString::fromUtf8(entry.caption), canvas());
        button->setObjectName(QStringLiteral("Command%1").arg(entry.command));
        canvas()->place(button, QRect(entry.twips, QSize(3000, 600)), {9.75});
        button->setAccessibleName(entry.spokenName());
        const ScreenId target = entry.id;
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
