#!/bin/sh
# The bash completion offers the values of an option and the options, with bash-completion's
# helpers stood in for so that it runs where that package is missing.
exec bash -c '
_init_completion() { cur=${COMP_WORDS[COMP_CWORD]}; prev=${COMP_WORDS[COMP_CWORD-1]}; }
_filedir() { COMPREPLY=(FILES); }
source "$1" || exit 1
offered() { COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMPREPLY=(); _tavrolin; echo "${COMPREPLY[*]}"; }
[ "$(offered tavrolin --join , --wrap "")" = "csv sql none" ] &&
[ "$(offered tavrolin --join , --dedupe --keep o)" = "once" ] &&
[ "$(offered tavrolin --join , --dedu)" = "--dedupe" ] &&
[ "$(offered tavrolin --join , -o "")" = "FILES" ] &&
[ "$(offered tavrolin --join "")" = "" ]
' sh "$1"
