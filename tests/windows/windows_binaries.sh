# The .scr stands alone: it imports system DLLs only (the C and C++ runtime,
# libjpeg, ogg and vorbis are linked in), and the audio library inside it
# exports exactly the nine entry points the screensaver looks up.
set -euo pipefail
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
allowed=" KERNEL32.dll USER32.dll GDI32.dll OPENGL32.dll GLU32.dll ADVAPI32.dll SHELL32.dll COMCTL32.dll WINMM.dll msvcrt.dll "
for binary in "$QV_SCR" "$QV_AUDIO_DLL"; do
  imports=$("$QV_OBJDUMP" -p "$binary" | awk '/DLL Name:/ { print $3 }')
  [ -n "$imports" ] || fail "$binary: no imports found"
  for dll in $imports; do
    [[ "$allowed" == *" $dll "* ]] || [[ "$dll" == api-ms-win-crt-* ]] || fail "$binary imports $dll"
  done
done

exports=$("$QV_OBJDUMP" -p "$QV_AUDIO_DLL" |
  awk '/\[Ordinal\/Name Pointer\] Table/ { table = 1; next } table && /^[ \t]*\[/ { print $NF } table && /^$/ { table = 0 }' | sort)
expected=$(printf '%s\n' BASS_ErrorGetCode BASS_Free BASS_GetVolume BASS_Init BASS_SampleLoad BASS_SamplePlayEx \
  BASS_SetVolume BASS_Start BASS_Stop | sort)
[ "$exports" = "$expected" ] || fail "audio library exports:
$exports"
echo "imports and exports as expected"
