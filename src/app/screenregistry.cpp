// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screenregistry.h"

#include "form1.h"
#include "form10.h"
#include "form11.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "form5.h"
#include "form6.h"
#include "form7.h"
#include "form8.h"
#include "form9.h"
#include "formavvio.h"
#include "formmenu.h"
#include "navigator.h"

namespace Quozzoli {

namespace {

template<class S> void add(ScreenId id)
{
    Navigator::registerScreen(id, [] { return new S; });
}

// A screen reader calls an exercise as the menu calls the button that opens it.
template<class S> void addExercise(ScreenId id)
{
    Navigator::registerScreen(id, [id] {
        auto *screen = new S;
        screen->setAccessibleName(FormMenu::spokenName(id));
        return screen;
    });
}

} // namespace

void registerScreens()
{
    add<FormAvvio>(ScreenId::FormAvvio);
    add<FormMenu>(ScreenId::FormMenu);
    addExercise<Form1>(ScreenId::Form1);
    addExercise<Form2>(ScreenId::Form2);
    addExercise<Form3>(ScreenId::Form3);
    addExercise<Form4>(ScreenId::Form4);
    addExercise<Form5>(ScreenId::Form5);
    addExercise<Form6>(ScreenId::Form6);
    addExercise<Form7>(ScreenId::Form7);
    addExercise<Form8>(ScreenId::Form8);
    addExercise<Form9>(ScreenId::Form9);
    addExercise<Form10>(ScreenId::Form10);
    addExercise<Form11>(ScreenId::Form11);
}

} // namespace Quozzoli
