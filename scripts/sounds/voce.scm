;; SPDX-FileCopyrightText: 2026 The Quozzoli developers
;; SPDX-License-Identifier: GPL-3.0-or-later

;; Festival driver for Quozzoli's spoken prompts, loaded by scripts/make-sounds
;; after the voice and pronuncia.scm. make-sounds then sends
;;   (quozzoli-use-db "voice.group")
;; with the quieter copy of the voice's diphones (see quieter-diphones.pl),
;; and one
;;   (quozzoli-say "testo" "file.wav")
;; per prompt, all in ISO-8859-1, to a single festival process.

;; A little slower than the voice's own pace: the listeners are children.
(Parameter.set 'Duration_Stretch 1.15)

;; Longest pause kept inside a sentence, in seconds. The stock phrasing puts
;; almost a second of silence after "attento!", which sounds like the game
;; has stopped talking.
(set! quozzoli-max-pause 0.35)

;; Phrase-final lengthening, which the voice's duration model lacks: a
;; speaker draws out the stressed vowel of the last word ("tre", "uno",
;; "caramelle"), and a little what follows it. Without it a lone number lasts
;; 150 ms, and the numbers are what the child must catch.
;; Careful when changing these: festival's UniSyn crashes (segfault) on some
;; exact segment lengths, e.g. with 1.7 on "tre"; make-sounds then stops and
;; names the prompt.
(set! quozzoli-final-stressed 1.6)
(set! quozzoli-final-after 1.2)

(define (quozzoli-last-word? seg)
  (equal? 0 (item.feat seg "R:SylStructure.parent.parent.R:Word.n.name")))

(define (quozzoli-stressed-vowel? seg)
  (and (equal? "+" (item.feat seg "ph_vc"))
       (equal? 1 (item.feat seg "R:SylStructure.parent.stress"))))

;; Retimes the segments after the duration model: caps inner pauses and
;; lengthens the end of the utterance, moving later segments to match.
(define (quozzoli-retime utt)
  (let ((old_prev 0) (new_prev 0) (after_stress nil))
    (mapcar
     (lambda (seg)
       (let ((end (item.feat seg "end"))
             (factor 1.0))
         (let ((dur (- end old_prev)))
           (cond
            ((phone_is_silence (item.name seg))
             (if (and (item.prev seg) (item.next seg)
                      (> dur quozzoli-max-pause))
                 (set! factor (/ quozzoli-max-pause dur))))
            ((and (not after_stress)
                  (quozzoli-stressed-vowel? seg)
                  (quozzoli-last-word? seg))
             (set! factor quozzoli-final-stressed)
             (set! after_stress t))
            (after_stress
             (set! factor quozzoli-final-after)))
           (set! new_prev (+ new_prev (* factor dur)))
           (item.set_feat seg "end" new_prev)
           (set! old_prev end))))
     (utt.relation.items utt 'Segment))
    utt))

;; The usual text pipeline, with the retiming between duration and pitch.
(defUttType Text
  (Initialize utt)
  (Text utt)
  (Token_POS utt)
  (Token utt)
  (POS utt)
  (Phrasify utt)
  (Word utt)
  (Pauses utt)
  (Intonation utt)
  (PostLex utt)
  (Duration utt)
  (quozzoli-retime utt)
  (Int_Targets utt)
  (Wave_Synth utt))

;; Synthesises TEXT as one utterance and writes it to FILE (16 kHz RIFF).
(define (quozzoli-say text file)
  (let ((utt (eval (list 'Utterance 'Text text))))
    (utt.synth utt)
    (utt.save.wave utt file 'riff)))

;; Makes the current voice read its diphones from GROUP, a copy of its own
;; .group file with quieter residuals.
(define (quozzoli-use-db group)
  (us_diphone_init
   (list '(name "quozzoli_db")
         (list 'index_file group)
         '(grouped "true")
         '(default_diphone "#-#")))
  (us_db_select 'quozzoli_db))
