# Bash completion for astrivo-cli: the commands, each command's options (those not given yet)
# and the period names. Dates are left to the user.
_astrivo_cli() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
  # Bash splits "--period=we" at the equals sign: the option then stands before the "=".
  if [[ $cur == = ]]; then
    cur=
  elif [[ $prev == = ]] && ((COMP_CWORD >= 3)); then
    prev=${COMP_WORDS[COMP_CWORD - 2]}
  fi
  COMPREPLY=()
  if ((COMP_CWORD == 1)); then
    mapfile -t COMPREPLY < <(compgen -W 'rate bodies signs help --help --version' -- "$cur")
    return
  fi
  case $prev in
    --period)
      mapfile -t COMPREPLY < <(compgen -W 'today tomorrow week month' -- "$cur")
      return
      ;;
    --birth | --today | --from | --to | --date) return ;;
  esac
  local options
  case ${COMP_WORDS[1]} in
    rate) options='--birth --period --today --from --to --daily --help' ;;
    bodies) options='--date --help' ;;
    signs) options='--help' ;;
    help)
      ((COMP_CWORD == 2)) && mapfile -t COMPREPLY < <(compgen -W 'rate bodies signs help' -- "$cur")
      return
      ;;
    *) return ;;
  esac
  local word unused=
  for word in $options; do
    [[ " ${COMP_WORDS[*]:1:COMP_CWORD-1} " == *" $word "* ]] || unused+=" $word"
  done
  mapfile -t COMPREPLY < <(compgen -W "$unused" -- "$cur")
}
complete -F _astrivo_cli astrivo-cli
