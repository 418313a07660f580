# Test MP3s are made at build time from sox tones and noise, never kept in the repository. sox
# needs its MP3 format library (libsox-fmt-mp3) to report the MP3 durations.
include_guard(GLOBAL)

find_program(SONORIX_SOX sox REQUIRED)
find_program(SONORIX_LAME lame REQUIRED)

# sonorix_test_mp3(<dir> <name> <rate> <channels> <seconds> <lame options...>)
# Makes <dir>/<name>.wav (a steady 440 Hz tone), <name>.mp3 and <name>.txt: the first line is
# what `sox --i -D` reports for the MP3, the second the tone's sample count before encoding.
# Adds the files to the caller's mp3_outputs.
function(sonorix_test_mp3 dir name rate channels seconds)
  sonorix_encoded_test_mp3(${dir} ${name} ${rate} ${channels} "synth;${seconds};sine;440" ${ARGN})
  set(mp3_outputs ${mp3_outputs} PARENT_SCOPE)
endfunction()

# sonorix_test_music_mp3(<dir> <name> <rate> <channels> <lame options...>)
# As sonorix_test_mp3, from five seconds that a VBR encoder spends its bits on as unevenly as on
# music: silence and the 440 Hz tone (from 0.3 s to 1.8 s) first, in the smallest frames, then
# bursts of full-band noise around a plucked note, in frames five times larger. A seek that takes
# a time's share of the bytes lands up to a second after the time asked for.
function(sonorix_test_music_mp3 dir name rate channels)
  set(music
    synth 0.3 sine 440 vol 0 : synth 1.5 sine 440 vol 0.5 : synth 0.5 sine 440 vol 0
    : synth 0.3 whitenoise vol 0.9 : synth 0.4 pluck 660 : synth 2 whitenoise vol 0.9)
  sonorix_encoded_test_mp3(${dir} ${name} ${rate} ${channels} "${music}" ${ARGN})
  set(mp3_outputs ${mp3_outputs} PARENT_SCOPE)
endfunction()

# sonorix_encoded_test_mp3(<dir> <name> <rate> <channels> <sox effects> <lame options...>)
function(sonorix_encoded_test_mp3 dir name rate channels effects)
  set(wav ${dir}/${name}.wav)
  set(mp3 ${dir}/${name}.mp3)
  set(txt ${dir}/${name}.txt)
  add_custom_command(
    OUTPUT ${wav} ${mp3} ${txt}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    # -V1: the noise bursts are meant to be loud, so sox's clipping warnings are noise too.
    COMMAND ${SONORIX_SOX} -V1 -n -r ${rate} -c ${channels} -b 16 ${wav} ${effects}
    COMMAND ${SONORIX_LAME} --quiet ${ARGN} ${wav} ${mp3}
    COMMAND sh -c "\"$1\" --i -D \"$2\" > \"$4\" && \"$1\" --i -s \"$3\" >> \"$4\""
            sh ${SONORIX_SOX} ${mp3} ${wav} ${txt}
    COMMENT "Making test MP3 ${name}"
    VERBATIM)
  set(mp3_outputs ${mp3_outputs} ${wav} ${mp3} ${txt} PARENT_SCOPE)
endfunction()

# sonorix_test_file(<dir> <file> <script> [<source>])
# Makes <dir>/<file> with an sh script that gets the file as $1 and <dir>/<source> as $2:
# damaged copies, empty files, files with other names. Adds it to the caller's mp3_outputs.
function(sonorix_test_file dir file script)
  set(output ${dir}/${file})
  set(source "")
  if(ARGC GREATER 3)
    set(source ${dir}/${ARGV3})
  endif()
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND sh -c "${script}" sh ${output} ${source}
    DEPENDS ${source}
    COMMENT "Making test file ${file}"
    VERBATIM)
  set(mp3_outputs ${mp3_outputs} ${output} PARENT_SCOPE)
endfunction()
