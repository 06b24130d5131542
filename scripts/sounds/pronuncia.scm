;; SPDX-FileCopyrightText: 2026 The Quozzoli developers
;; SPDX-License-Identifier: GPL-3.0-or-later

;; Pronunciation fixes for festival's Italian lexicon, loaded after the voice.
;; The stock lexicon gives these words the wrong stressed vowel (open/closed);
;; standard Italian has trè -> tré, sòno -> sóno, dève -> déve, scópri -> scòpri.
;; Phones: e1/o1 closed stressed vowel, E1/O1 open stressed vowel.
(lex.add.entry '("tre" nil (((t r e1) 1))))
(lex.add.entry '("sono" nil (((s o1) 1) ((n o) 0))))
(lex.add.entry '("deve" nil (((d e1) 1) ((v e) 0))))
(lex.add.entry '("scopri" nil (((s k O1) 1) ((p r i) 0))))
