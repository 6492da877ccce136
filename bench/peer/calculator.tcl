# The calculator window built with Tk, as a start-up peer: the same controls at the same places,
# the same thirteen pictures (given as PNG files in the folder named by the first argument) and
# the same fonts. Prints the wall-clock time in milliseconds once the window has been painted,
# then quits.
#
#   wish calculator.tcl PICTURE_DIR

package require Tk
set pictures [lindex $argv 0]

wm title . "Profile Weight"
wm geometry . 387x455+192+114
wm resizable . 0 0
. configure -background #f0f0f0

foreach name {P1 P2 P3 P4 P5 P6 P7 P8 P9 P10 P11 G1 G2} {
  image create photo $name -file [file join $pictures $name.png]
}
set serif15 [font create -family "Times New Roman" -size -15 -weight bold]
set serif16 [font create -family "Times New Roman" -size -16 -weight bold]
set serif19 [font create -family "Times New Roman" -size -19 -weight bold]
set sans11 [font create -family "MS Sans Serif" -size -11]
set sans11b [font create -family "MS Sans Serif" -size -11 -weight bold]

# The graphic controls: pictures, the bevel and the labels, painted in one canvas.
canvas .c -width 387 -height 455 -highlightthickness 0 -background #f0f0f0
place .c -x 0 -y 0
.c create image 8 72 -image P1 -anchor nw
.c create image 48 280 -image P2 -anchor nw -tags section
.c create image 48 280 -image P3 -anchor nw -tags section
.c create rectangle 8 72 376 448 -outline #a0a0a0
.c create line 9 448 377 448 -fill white
.c create line 377 72 377 449 -fill white
.c create image 48 280 -image P4 -anchor nw -tags section
.c create image 48 280 -image P5 -anchor nw -tags section
.c create text 64 45 -text "www.norvex.net" -font $serif15 -anchor nw
foreach {x image} {48 P6 136 P7 224 P8 312 P9} {
  .c create image $x 88 -image $image -anchor nw
}
.c create text 192 200 -text "( mm )" -font $serif15 -fill white -anchor nw
.c create text 285 237 -text "******" -font $serif15 -fill white -anchor nw -tags result
.c create text 243 386 -text "L" -font $serif19 -fill white -anchor nw
.c create text 208 45 -text "021-8877665" -font $serif15 -anchor nw
.c create text 40 152 -text "Profile :" -font $serif16 -fill white -anchor nw
.c create text 40 200 -text "Length :" -font $serif16 -fill white -anchor nw
.c create text 40 248 -text "Qty :" -font $serif16 -fill white -anchor nw
.c create image 8 8 -image P10 -anchor nw
.c create image 64 8 -image P11 -anchor nw

# The windowed controls.
set sizes {{L 20x3} {L 25x3} {L 25x4} {L 30x3} {L 30x4} {L 35x4} {L 40x4} {L 40x5} {L 45x4.5}
  {L 50x4} {L 50x5} {L 50x6} {L 60x5} {L 60x6} {L 60x8} {L 65x7} {L 70x6} {L 70x7} {L 75x6}
  {L 75x8} {L 80x8} {L 80x10} {L 90x7} {L 90x8} {L 90x9} {L 90x10} {L 100x8} {L 100x10}
  {L 100x12} {L 120x10} {L 120x12} {L 130x12} {L 150x10} {L 150x12} {L 150x15} {L 160x15}
  {L 180x16} {L 180x18} {L 200x16} {L 200x18} {L 200x20} {L 200x24} {L 250x28} {L 250x35}}
ttk::combobox .size -values $sizes -font $sans11 -width 14
.size current 0
place .size -x 120 -y 152 -width 105 -height 21
button .calc -text "Calc." -image G1 -compound left -font $serif15 -foreground navy
place .calc -x 264 -y 166 -width 89 -height 41
entry .length -font $sans11
.length insert 0 0
place .length -x 120 -y 200 -width 65 -height 21
entry .quantity -font $sans11
.quantity insert 0 1
place .quantity -x 120 -y 248 -width 65 -height 21
set family 1
foreach {n x} {1 29 3 205 2 117 4 293} {
  radiobutton .family$n -variable family -value $n -background #f0f0f0
  place .family$n -x $x -y 104 -width 17 -height 17
}
button .norvex -text "NORVEX" -image G2 -compound bottom -font $sans11b -foreground teal
place .norvex -x 312 -y 8 -width 65 -height 57
focus .family1

tkwait visibility .
update idletasks
update
puts [clock milliseconds]
flush stdout
after 300 exit
