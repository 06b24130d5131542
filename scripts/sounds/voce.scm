;; Festival driver for Quozzoli's spoken prompts, loaded by scripts/make-sounds
;; after the voice and pronuncia.scm. make-sounds then sends one
;;   (quozzoli-say "testo" "file.wav")
;; per prompt, in ISO-8859-1, to a single festival process.

;; A little slower than the voice's own pace: the listeners are children.
(Parameter.set 'Duration_Stretch 1.15)

;; Longest pause kept inside a sentence, in seconds. The stock phrasing puts
;; almost a second of silence after "attento!", which sounds like the game
;; has stopped talking.
(set! quozzoli-max-pause 0.35)

;; Shortens pauses between the first and the last segment to
;; quozzoli-max-pause, moving every later segment earlier by the same amount.
(define (quozzoli-cap-pauses utt)
  (let ((shift 0) (prev_end 0))
    (mapcar
     (lambda (seg)
       (let ((end (item.feat seg "end")))
         (if (and (phone_is_silence (item.name seg))
                  (item.prev seg)
                  (item.next seg)
                  (> (- end prev_end) quozzoli-max-pause))
             (set! shift (+ shift (- (- end prev_end) quozzoli-max-pause))))
         (item.set_feat seg "end" (- end shift))
         (set! prev_end end)))
     (utt.relation.items utt 'Segment))
    utt))

;; The usual text pipeline, with the pause cap between duration and pitch.
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
  (quozzoli-cap-pauses utt)
  (Int_Targets utt)
  (Wave_Synth utt))

;; Synthesises TEXT as one utterance and writes it to FILE (16 kHz RIFF).
(define (quozzoli-say text file)
  (let ((utt (eval (list 'Utterance 'Text text))))
    (utt.synth utt)
    (utt.save.wave utt file 'riff)
    (format t "%s %d\n" file (length (utt.relation.items utt 'Segment)))))
