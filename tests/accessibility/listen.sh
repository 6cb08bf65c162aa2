#!/bin/sh
# Runs the screen reader Orca on the session that session.sh made, with speech-dispatcher writing
# every utterance to a file instead of a sound card, then a check that plays the game with keys
# and reads what was spoken.
# listen.sh CHECK [ARGS...] FOLDER PID   (FOLDER and PID as session.sh gives them)
set -eu
for tool in orca speech-dispatcher; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done
eval "folder=\${$(($# - 1))}"
o="$folder/orca"
mkdir -p "$o/config/speech-dispatcher/modules" "$o/prefs" "$o/home"
spoken="$o/spoken.txt"
: >"$spoken"
cat >"$o/config/speech-dispatcher/speechd.conf" <<CONF
AddModule "textlog" "sd_generic" "textlog.conf"
DefaultModule textlog
LanguageDefaultModule "nl" "textlog"
Timeout 0
AudioOutputMethod "alsa"
AudioALSADevice "null"
CONF
cat >"$o/config/speech-dispatcher/modules/textlog.conf" <<CONF
GenericExecuteSynth "printf '%s' \'\$DATA\' >> $spoken; echo >> $spoken"
GenericLanguage "nl" "nl" "utf-8"
AddVoice "nl" "MALE1" "nl"
DefaultVoice "nl"
CONF
# A whole row is not read on every change of row, so that what is spoken tells the cell.
cat >"$o/prefs/user-settings.conf" <<CONF
{
    "general": {"readFullRowInGUITable": false, "enableSpeech": true, "speechServerFactory": "orca.speechdispatcherfactory", "enableEchoByCharacter": false, "enableKeyEcho": false},
    "keybindings": {},
    "pronunciations": {},
    "profiles": {"default": {"profile": ["Default", "default"], "readFullRowInGUITable": false, "enableKeyEcho": false, "enableEchoByCharacter": false, "enableEchoByWord": false, "enableTutorialMessages": false, "speechServerFactory": "orca.speechdispatcherfactory"}, "startingProfile": ["Default", "default"]}
}
CONF
if pgrep -u "$(id -u)" -x orca >/dev/null; then
  echo "another Orca of this user is running; this test does not end it"
  exit 77
fi
export XDG_CONFIG_HOME="$o/config"
speech-dispatcher -s -t 0 -C "$o/config/speech-dispatcher" >"$o/speechd.log" 2>&1 &
speechd=$!
HOME="$o/home" orca -u "$o/prefs" --debug-file "$o/orca-debug.out" >"$o/orca.log" 2>&1 &
orca=$!
status=0
SPOKEN="$spoken" "$@" || status=$?
# Orca does not always heed SIGTERM.
kill "$orca" "$speechd" 2>/dev/null || true
sleep 0.5
kill -9 "$orca" 2>/dev/null || true
wait 2>/dev/null || true
[ "$status" -eq 0 ] || tail -n 40 "$o/orca-debug.out"
exit "$status"
