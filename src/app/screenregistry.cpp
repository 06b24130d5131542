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

template<class S> Screen *make()
{
    return new S;
}

using enum MenuColumn;

} // namespace

void registerScreens()
{
    // clang-format off
    // The exercises, in the main menu's focus order.
    const QList<ExerciseEntry> catalogue {
        // screen          CommandN  column             button         factory
        {ScreenId::Form1,  2,        DueCifre,           {3240, 720},   make<Form1>,
         "Quoziente di una cifra - senza resto"},
        {ScreenId::Form3,  3,        DueCifre,           {3240, 1440},  make<Form3>,
         "Quioziente di una cifra - con il resto"},
        {ScreenId::Form4,  4,        DueCifre,           {3240, 2880},  make<Form4>,
         " Quoziente di due cifre - con il resto"},
        {ScreenId::Form2,  5,        DueCifre,           {3240, 2160},  make<Form2>,
         "Quoziente di due cifre - senza resto"},
        {ScreenId::Form5,  6,        TreCifre,           {6360, 720},   make<Form5>,
         "Quoziente di due cifre - senza resto"},
        {ScreenId::Form6,  7,        ConSupportoGrafico, {120, 720},    make<Form6>,
         "Partizione senza resto"},
        {ScreenId::Form7,  8,        ConSupportoGrafico, {120, 1440},   make<Form7>,
         "Contenenza senza resto"},
        {ScreenId::Form8,  9,        ConSupportoGrafico, {120, 2160},   make<Form8>,
         "Partizione con il resto"},
        {ScreenId::Form9,  10,       ConSupportoGrafico, {120, 2880},   make<Form9>,
         "Contenenza con il resto"},
        {ScreenId::Form10, 11,       ConINumeri,         {120, 4200},   make<Form10>,
         "tabelline"},
        {ScreenId::Form11, 12,       TreCifre,           {6360, 1440},  make<Form11>,
         " Quoziente di due cifre - con il resto"},
    };
    // clang-format on
    Navigator::registerScreen(ScreenId::FormAvvio, make<FormAvvio>);
    Navigator::registerScreen(ScreenId::FormMenu, make<FormMenu>);
    Navigator::registerExercises(catalogue);
}

} // namespace Quozzoli
