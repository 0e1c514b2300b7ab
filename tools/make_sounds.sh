#!/usr/bin/env bash
# Makes the default alert sounds in resources/sound/default/.
#
#   tools/make_sounds.sh            (installs espeak-ng, sox and lame with apt-get when missing)
#
# Every lead-time alert speaks its lead time in Japanese ("ごふんまえ"); the chime that precedes
# an alert is a two-note bell, and the other cues pair a short bell figure of their own with a
# spoken word, so each event can be told apart without looking. The bells are synthesised here
# (decaying sine partials), the voice comes from espeak-ng's Japanese voice. All files are mono,
# 22 050 Hz; WAV is 16-bit PCM, MP3 is 32 kbit/s. Nothing random is involved (no dither), so a
# re-run produces the same files with the same tool versions.
set -euo pipefail
cd "$(dirname "$0")/.."

OUT=resources/sound/default
RATE=22050
VOICE=(espeak-ng -v ja -s 135 -p 55 -a 160)

need_tools() {
  local missing=()
  command -v espeak-ng >/dev/null || missing+=(espeak-ng)
  command -v sox >/dev/null || missing+=(sox)
  command -v lame >/dev/null || missing+=(lame)
  command -v python3 >/dev/null || missing+=(python3)
  [ ${#missing[@]} -eq 0 ] && return
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# bells OUT NOTE...: a bell figure. NOTE is "start:frequency:decay:gain" (seconds, Hz, seconds
# for the level to fall to 1/e, linear gain). Each note has a soft attack and three partials
# whose upper ones die away faster, which gives a glockenspiel-like ring. A note is cut where it
# has fallen by 30 dB, and the figure fades out over its last 0.15 s so the cut never clicks.
bells() {
  local out=$1; shift
  python3 - "$out" "$RATE" "$@" <<'PY'
import math, struct, sys, wave
out, rate, notes = sys.argv[1], int(sys.argv[2]), [n.split(":") for n in sys.argv[3:]]
notes = [tuple(float(v) for v in n) for n in notes]
RING = 3.5
length = max(start + decay * RING for start, _, decay, _ in notes)
samples = [0.0] * int(length * rate)
for start, frequency, decay, gain in notes:
    first = int(start * rate)
    for k in range(int(decay * RING * rate)):
        t = k / rate
        attack = min(1.0, t / 0.004)
        value = (math.sin(2 * math.pi * frequency * t) * math.exp(-t / decay)
                 + 0.30 * math.sin(2 * math.pi * frequency * 2.76 * t) * math.exp(-t / (decay * 0.35))
                 + 0.12 * math.sin(2 * math.pi * frequency * 5.40 * t) * math.exp(-t / (decay * 0.15)))
        samples[first + k] += gain * attack * value
fade = int(0.15 * rate)
for k in range(min(fade, len(samples))):
    samples[-1 - k] *= k / fade
peak = max(abs(s) for s in samples) or 1.0
scale = 0.7 * 32767 / peak
with wave.open(out, "wb") as file:
    file.setnchannels(1)
    file.setsampwidth(2)
    file.setframerate(rate)
    file.writeframes(b"".join(struct.pack("<h", round(s * scale)) for s in samples))
PY
}

# speak OUT TEXT: the Japanese voice, with the silence around it trimmed to a short lead-in.
speak() {
  "${VOICE[@]}" -w "$WORK/raw.wav" "$2"
  sox -D "$WORK/raw.wav" -r $RATE -c 1 -b 16 "$1" \
    silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse pad 0.05 0.05 norm -2
}

# cue OUT TONES VOICE OFFSET: the voice enters OFFSET seconds into the bell figure, while the
# bells ring out beneath it; the mix is levelled as a whole.
cue() {
  sox -D "$3" "$WORK/delayed.wav" pad "$4"
  sox -D -m "$2" "$WORK/delayed.wav" -r $RATE -c 1 -b 16 "$1" norm -2
}

finish_wav() {  # finish_wav SOURCE NAME
  sox -D "$1" -r $RATE -c 1 -b 16 -e signed-integer "$OUT/$2.wav"
}

finish_mp3() {  # finish_mp3 SOURCE NAME
  lame --quiet --noreplaygain -m m -b 32 --resample 22.05 "$1" "$OUT/$2.mp3"
}

need_tools
mkdir -p "$OUT"
rm -f "$OUT"/*.wav "$OUT"/*.mp3

# The lead times: minutes and how they are read.
declare -A READING=(
  [1]="いっぷんまえ" [2]="にふんまえ" [3]="さんぷんまえ" [4]="よんぷんまえ" [5]="ごふんまえ"
  [6]="ろっぷんまえ" [7]="ななふんまえ" [8]="はっぷんまえ" [9]="きゅうふんまえ"
  [10]="じゅっぷんまえ" [20]="にじゅっぷんまえ" [30]="さんじゅっぷんまえ"
  [40]="よんじゅっぷんまえ" [50]="ごじゅっぷんまえ" [60]="いちじかんまえ"
  [90]="いちじかんはんまえ" [120]="にじかんまえ"
)
for minutes in 1 2 3 4 5 6 7 8 9 10 20 30 40 50 60 90 120; do
  speak "$WORK/lead.wav" "${READING[$minutes]}"
  finish_wav "$WORK/lead.wav" "$minutes"
  finish_mp3 "$WORK/lead.wav" "$minutes"
done

# The chime before an alert: a falling major third, like a door chime.
bells "$WORK/aprev.wav" 0:1318.5:0.30:1 0.38:1046.5:0.35:1
finish_wav "$WORK/aprev.wav" aprev

# Just before the announcement: a quick rising triad, then "まもなく はっぴょう です".
bells "$WORK/tones.wav" 0:1046.5:0.10:1 0.11:1318.5:0.10:1 0.22:1568.0:0.16:1
speak "$WORK/voice.wav" "まもなく はっぴょう です"
cue "$WORK/0.wav" "$WORK/tones.wav" "$WORK/voice.wav" 0.55
finish_wav "$WORK/0.wav" 0

# At the announcement: a full struck chord, then "はっぴょう じこく です".
bells "$WORK/tones.wav" 0:1046.5:0.28:1 0:1318.5:0.28:0.8 0:1568.0:0.28:0.7 0:2093.0:0.20:0.5
speak "$WORK/voice.wav" "はっぴょう じこく です"
cue "$WORK/aalert.wav" "$WORK/tones.wav" "$WORK/voice.wav" 0.6
finish_wav "$WORK/aalert.wav" aalert

# New news: a gentle rising fifth, then "にゅーすが とどきました".
bells "$WORK/tones.wav" 0:784.0:0.18:1 0.16:1174.7:0.22:1
speak "$WORK/voice.wav" "にゅーすが とどきました"
cue "$WORK/anews.wav" "$WORK/tones.wav" "$WORK/voice.wav" 0.6
finish_wav "$WORK/anews.wav" anews

# New notices: a falling three-note figure, then "おしらせが あります".
bells "$WORK/tones.wav" 0:1568.0:0.14:1 0.14:1318.5:0.14:1 0.28:1046.5:0.20:1
speak "$WORK/voice.wav" "おしらせが あります"
cue "$WORK/ainfo.wav" "$WORK/tones.wav" "$WORK/voice.wav" 0.65
finish_wav "$WORK/ainfo.wav" ainfo

# A trade signal: two quick high pips, then "しぐなる じゅしん".
bells "$WORK/tones.wav" 0:1760.0:0.08:1 0.12:1760.0:0.10:1
speak "$WORK/voice.wav" "しぐなる じゅしん"
cue "$WORK/asignal.wav" "$WORK/tones.wav" "$WORK/voice.wav" 0.35
finish_wav "$WORK/asignal.wav" asignal

ls -l "$OUT"
