H  ISYBAU-Austauschformat 1996  Kanal-TV Nord GmbH
HI 112.03.2007     Kanal-TV Nord GmbH
HI 210010          Lindenstraáe, K”ln
HI 3S         211107    211108         0 300    STZ           I  45.30 001
HI 4            0.00    00000010     H001B01.JPG HA
HI 4            3.20    00000022     H001B02.JPG RL         25       2    2 11 1
HI 4            7.80    00000041     H001B03.JPG HG          5      20       6 6
HI 4           12.50    00000100     H001B04.JPG HP   A1    10      15       3 9
HI 4           30.00    00000210     H001B05.JPG HP   E1    10      15       3 9
HI 4           38.40    00000243     H001B06.JPG BA                120      12 2
HI 4           45.30    00000311     H001B07.JPG HL      45.30
HI 4           45.30    00000311     H001B08.JPG EH
HI 210011          Lindenstraáe, K”ln
HI 3S         211108    2111F1         0 300    STZ           I  38.75 001
