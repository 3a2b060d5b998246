# bash completion for setrix-cli: commands, options and the words each option accepts.

# The start and end values that thermo and rtd offer for the choices typed so far:
# setrix-cli names them when it is given a value it does not offer.
_setrix_cli_offered() {
    local option=$1 i w skip=0 args=()
    for ((i = 1; i < COMP_CWORD; i++)); do
        w=${COMP_WORDS[i]}
        if ((skip)); then skip=0; continue; fi
        case $w in
            # Never write a file while completing, leave out the check against found
            # switches, and the option being completed.
            --pdf | --note | --date | --save-config | --found-s[123] | "$option") skip=1; continue ;;
            --pdf=* | --note=* | --date=* | --save-config=* | --found-s[123]=* | --json | "$option"=*) continue ;;
            =) continue ;;
        esac
        # "--opt = value" arrives as three words when COMP_WORDBREAKS holds "=".
        if [[ ${COMP_WORDS[i + 1]-} == = ]]; then
            args+=("$w=${COMP_WORDS[i + 2]-}")
            ((i += 2))
            continue
        fi
        args+=("$w")
    done
    "${COMP_WORDS[0]}" "${args[@]}" "$option" "?" 2>&1 >/dev/null |
        sed -n 's/.*offered values: //p' | tr -d ','
}

# Whether the batch command line before the word being completed names its device list.
_setrix_cli_batch_has_list() {
    local i w seen=0
    for ((i = 1; i < COMP_CWORD; i++)); do
        w=${COMP_WORDS[i]}
        if ((!seen)); then
            [[ $w == batch ]] && seen=1
            continue
        fi
        case $w in
            --out | --lang | --date)
                # The value, also as "--opt = value" when COMP_WORDBREAKS holds "=".
                if [[ ${COMP_WORDS[i + 1]-} == = ]]; then ((i += 2)); else ((i++)); fi ;;
            -* | =) ;;
            *) return 0 ;;
        esac
    done
    return 1
}

_setrix_cli() {
    local cur prev command="" i
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD - 1]}
    # "--opt=value": complete the value of --opt.
    if [[ $cur == = ]]; then
        prev=${COMP_WORDS[COMP_CWORD - 1]}
        cur=""
    elif [[ $prev == = ]]; then
        prev=${COMP_WORDS[COMP_CWORD - 2]}
    fi

    # The command, and for decode the module word after it.
    local module=""
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
            dc | thermo | rtd | frq | texts | bank | decode | batch) command=${COMP_WORDS[i]}; break ;;
        esac
    done
    if [[ $command == decode ]]; then
        for ((i++; i < COMP_CWORD; i++)); do
            case ${COMP_WORDS[i]} in
                dc | thermo | rtd | frq) module=${COMP_WORDS[i]}; break ;;
            esac
        done
    fi

    local words="" files="" folders=""
    case $prev in
        --lang) words="de en it es" ;;
        --decimal-separator) words=". ," ;;
        --json | -h | --help) ;;
        --pdf) files="pdf" ;;
        --config | --save-config) files="setrix" ;;
        --settings) files="ini" ;;
        --note | --date | --tag | --in-min | --in-max | --out-min | --out-max | --lower | --upper | --value | \
            --s1 | --s2 | --s3 | --found-s1 | --found-s2 | --found-s3)
            COMPREPLY=()
            return ;;
        --in-unit) words="mA mV V" ;;
        --out-unit) words="mA V" ;;
        --bandwidth) words="10Hz 10kHz" ;;
        --type)
            case $command in
                thermo) words="K J T E N R S B" ;;
                rtd) words="pt100-2wire pt100-3wire pt100-4wire resistor ni100-2wire ni100-3wire ni100-4wire potentiometer" ;;
            esac ;;
        --start | --end)
            words=$(_setrix_cli_offered "$prev") ;;
        --output)
            case $command in
                frq) words="0-5V 0-10V 0-20mA 4-20mA" ;;
                *) words="0-10V 0-20mA 4-20mA" ;;
            esac ;;
        --filter | --manual) words="on off" ;;
        --response) words="slow fast" ;;
        --mode)
            case $command in
                frq) words="0-fmax fmin-fmax special" ;;
                bank) words="screen bitmap bw" ;;
            esac ;;
        --count) words="2 3 4 5 6 7 8 9 10" ;;
        --alignment) words="0 90 180 270" ;;
        --out)
            case $command in
                batch) folders=1 ;;
                *) files="pbm|ppm|bmp" ;;
            esac ;;
    esac
    # batch: the device list comes first, until one is given.
    if [[ $command == batch && -z $files && -z $folders && -z $words && $cur != -* ]] &&
        ! _setrix_cli_batch_has_list; then
        files="setrix|csv"
    fi
    if [[ -n $folders ]]; then
        COMPREPLY=()
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -d -- "$cur")
        return
    fi
    if [[ -n $files ]]; then
        # Folders, and files with an accepted extension.
        local f
        COMPREPLY=()
        compopt -o filenames 2>/dev/null
        while IFS= read -r f; do
            [[ -d $f || ${f,,} =~ \.($files)$ ]] && COMPREPLY+=("$f")
        done < <(compgen -f -- "$cur")
        return
    fi
    if [[ -n $words ]]; then
        COMPREPLY=($(compgen -W "$words" -- "$cur"))
        return
    fi
    case $prev in
        --type | --start | --end | --output | --mode) COMPREPLY=(); return ;;
    esac

    local pdf="--pdf --note --date"
    local config="--config --save-config --tag --settings"
    local common="--lang --decimal-separator --json"
    case $command in
        "") words="dc thermo rtd frq decode batch texts bank --help --version" ;;
        dc) words="--in-min --in-max --in-unit --out-min --out-max --out-unit --bandwidth $common $pdf --found-s1 --found-s2 --found-s3 $config --help" ;;
        thermo) words="--type --start --end --output --filter --manual $common $pdf --found-s1 --found-s2 $config --help" ;;
        rtd) words="--type --start --end --output --response --manual $common $pdf --found-s1 --found-s2 $config --help" ;;
        frq) words="--mode --lower --upper --output $common $pdf --found-s1 --found-s2 $config --help" ;;
        decode)
            case $module in
                "") words="dc thermo rtd frq --help" ;;
                dc) words="--s1 --s2 --s3 $common --help" ;;
                *) words="--s1 --s2 $common --help" ;;
            esac ;;
        batch) words="--out --lang --date --json --qr --help" ;;
        texts) words="--lang --json --help" ;;
        bank) words="--count --alignment --value --mode --out --help" ;;
    esac
    COMPREPLY=($(compgen -W "$words" -- "$cur"))
}
complete -F _setrix_cli setrix-cli
