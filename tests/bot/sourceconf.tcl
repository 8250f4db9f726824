# Reads a bot configuration file the way the bot does (Tcl's own source, so
# CR LF line ends and comments are handled by Tcl), in a fresh interpreter
# where the bot's commands are stubs that only record their calls. Prints
# what the file did, one record a line, fields separated by tabs and every
# field escaped (\\ \t \n \r) so that no value can break a record:
#
#   var   <name> <value>          each global variable the file set
#   array <name>                  a global array the file made
#   call  <command> <arg>...      each call of a bot command, in order
#   error <message> <errorinfo>   Tcl stopped on the file
#   done                          the last record of every run
#
# Usage: tclsh sourceconf.tcl FILE

fconfigure stdout -encoding utf-8 -translation lf

proc escape {text} {
    string map [list \\ \\\\ \t \\t \n \\n \r \\r] $text
}
proc emit {args} {
    set fields {}
    foreach field $args {
        lappend fields [escape $field]
    }
    puts [join $fields \t]
}

set calls {}
proc record {args} {
    lappend ::calls $args
    return
}

set bot [interp create]
# The file is read by the real source, kept out of the file's reach; the
# "source" lines of the file meet the bot's stub like every other command.
$bot hide source
$bot alias record record
$bot eval {
    # The bot's commands, with the bot's argument counts, so that a value
    # split by a blank fails here as it fails in the bot.
    proc loadmodule {module} { record loadmodule $module }
    proc checkmodule {module} { record checkmodule $module }
    proc addlang {language} { record addlang $language }
    proc loadhelp {file} { record loadhelp $file }
    proc source {file} { record source $file }
    proc unbind {type flags mask command} { record unbind $type $flags $mask $command }
    proc bind {type flags mask args} {
        if {[llength $args] > 1} {
            error "wrong # args: should be \"bind type flags mask ?command?\""
        }
        record bind $type $flags $mask {*}$args
    }
    proc listen {port type args} { record listen $port $type {*}$args }
    proc logfile {args} {
        if {[llength $args] != 0 && [llength $args] != 3} {
            error "wrong # args: should be \"logfile ?modes channel filename?\""
        }
        record logfile {*}$args
    }
}

# errorInfo and errorCode come from Tcl itself when a command fails.
set before [concat [$bot eval {info vars}] errorInfo errorCode]
if {[catch {$bot invokehidden source [lindex $argv 0]} message options]} {
    emit error $message [dict get $options -errorinfo]
}
foreach name [lsort [$bot eval {info vars}]] {
    if {$name in $before} {
        continue
    }
    if {[$bot eval [list array exists $name]]} {
        emit array $name
    } else {
        emit var $name [$bot eval [list set $name]]
    }
}
foreach call $calls {
    emit call {*}$call
}
emit done
