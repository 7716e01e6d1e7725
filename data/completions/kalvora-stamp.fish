# SPDX-FileCopyrightText: 2026 Vendrel
# SPDX-License-Identifier: GPL-3.0-or-later
#
# fish completion for kalvora-stamp.
set -l c complete -c kalvora-stamp
$c -l text -x -d 'a text of your own'
$c -l date -x -a 'created taken modified accessed' -d 'a date of each file'
$c -l user-date -x -d 'a date as typed'
$c -l user-time -x -d 'a time as typed'
$c -l format -x -a "'Timestamp And Datestamp' 'Datestamp And Timestamp' Timestamp Datestamp" -d 'how a file date is laid out'
$c -l position -x -a 'Upper-Left Upper-Right Lower-Left Lower-Right Center-Top Center-Left Center-Right Center-Bottom Center' -d 'where the stamp goes'
$c -l font -x -a '(fc-list : family 2>/dev/null | string split -f1 , | sort -u)' -d 'the font family'
$c -l size -x -d 'the size in points'
$c -l bold -d bold
$c -l italic -d italic
$c -l underline -d underlined
$c -l strikethrough -d 'struck through'
$c -l color -x -d 'the text colour, #RRGGBB'
$c -l quality -x -d 'JPEG quality, 1-100'
$c -l keep-quality -d "keep a JPEG photo's own quality; results can be undone"
$c -l size-percent -x -d 'line height as a share of the shorter side'
$c -l style -x -a 'plain outline shadow box' -d 'what is drawn with the text'
$c -l style-color -x -d 'the colour of the outline, shadow or box'
$c -l box-opacity -x -d 'how much the box hides, 0-100'
$c -l margin-percent -x -d 'the margin as a share of the shorter side'
$c -l date-format -x -d 'a date-time pattern'
$c -l locale -x -d 'names of months and days'
$c -l no-date-taken -x -a 'sentence filename modified skip' -d 'what a photo without a date taken gets'
$c -l time-shift -x -d 'added to every file date, [+|-][Nd]HH:MM'
$c -l skip-stamped -d 'skip photos stamped before'
$c -l keep-folders -d 'keep the folders below a walked one'
$c -l dry-run -d 'print what would be done, write nothing'
$c -l undo -d 'put the originals of stamped photos back'
$c -l output -x -a '(__fish_complete_directories)' -d 'the folder of the results'
$c -l in-place -d 'in place of each source'
$c -l extension -x -d 'the files a folder gives'
$c -l jobs -x -d 'files stamped at once'
$c -l from-settings -d 'start from the options the window saved'
$c -l notify -d 'show the progress as desktop notifications'
$c -l help -d 'show the help'
$c -l version -d 'show the version'
