H  ISYBAU-Austauschformat 1996  Kanal-TV Nord GmbH
HI 112.03.2007     Kanal-TV Nord GmbH
HI 210010          Lindenstra·e, Kîln
HI 3S         211107    211108         0 300    STZ           I  45.30 001
HI 4            0.00    00000010     H001B01.JPG HA
HI 4            3.20    00000022     H001B02.JPG RL         25       2    2 11 1
HI 4            7.80    00000041     H001B03.JPG HG          5      20       6 6
HI 4           12.50    00000100     H001B04.JPG HP   A1    10      15       3 9
HI 4           30.00    00000210     H001B05.JPG HP   E1    10      15       3 9
HI 4           38.40    00000243     H001B06.JPG BA                120      12 2
HI 4           45.30    00000311     H001B07.JPG HL      45.30
HI 4           45.30    00000311     H001B08.JPG EH
HI 210011          Lindenstra·e, Kîln
HI 3S         211108    2111F1         0 300    STZ           I  38.75 001
HI 4            0.00    00000010     H002B01.JPG HA
HI 4            1.00    00000014     H002B02.JPG A-                          2 2
HI 4            2.00    00000018     H002B03.JPG RQ         15       1    1  4 8
HI 4           16.40    00000115     H002B04.JPG II     Schacht Åberbaut, Stufe
HI 4           38.75    00000245     H002B05.JPG EH
HI 113.03.2007     Kanal-TV Nord GmbH
HI 210012          MÅhlenweg, DÅsseldorf
HI 3S         211145A   211146         1 600 400B             U  62.00 002
HI 4            0.00    00000010     H003B01.JPG HA
HI 4            4.00    00000026     H003B02.JPG LV          2       5      1212
HI 4            5.00    00000030     H003B03.JPG LV          3       7      1212
HI 4            6.00    00000034     H003B04.JPG LV          2       5      1212
HI 4           21.50    00000136     H003B05.JPG CM   A2            30       9 3
HI 4           40.00    00000250     H003B06.JPG CM   E2            30       9 3
HI 4           55.10    00000350     H003B07.JPG SE          4      10      1010
HI 4           62.00    00000418     H003B08.JPG HL      62.00
HI 4           62.00    00000418     H003B09.JPG EH
HI 210013          MÅhlenweg, DÅsseldorf
HI 3S         211146    211147         0 250    PVC           I  28.10 002
HI 4            0.00    00000010     H004B01.JPG HA
HI 4            9.60    00000048     H004B02.JPG HDS        10      10       5 7
HI 4           14.20    00000106     H004B03.JPG TVS
HI 4           14.20    00000106     H004B04.JPG IAB
HI 114.03.2007     Kanal-TV Nord GmbH
HI 210014          Schîne Aussicht, Gîrlitz
HI 3S         2302111   2302112        0 400    B             I  51.00 003
HI 4            0.00    00000010     H005B01.JPG HA
HI 4            8.00    00000042     H005B02.JPG UC                          6 6
HI 4           11.00    00000054     H005B03.JPG K
HI 4           19.50    00000128     H005B04.JPG W--F                        5 5
HI 4           33.30    00000223     H005B05.JPG RX                  3    3  1 2
HI 4           51.00    00000334     H005B06.JPG EH
HI 210015          Schîne Aussicht, Gîrlitz
HI 3S         2302112   S1             2 8001200MA            I  73.40 003
HI 4            0.00    00000010     H006B01.JPG HA
HI 4            2.50    00000020     H006B02.JPG BK                400      11 1
HI 4           26.00    00000154     H006B03.JPG HI   A3     5      10       4 8
HI 4           58.00    00000402     H006B04.JPG HI   E3     5      10       4 8
HI 4           73.40    00000503     H006B05.JPG EH
HI 115.03.2007     Kanal-TV Nord GmbH
HI 210016          Am BÑrenhÅgel, MÅnchen
HI 3S         S1        S10            0 200    PEHD          I  12.00 004
HI 4            0.00    00000010     H007B01.JPG HA
HI 4            6.00    00000034     H007B02.JPG OK
HI 4           12.00    00000058     H007B03.JPG EH
HI 210017          Am BÑrenhÅgel, MÅnchen
HI 3S         S10       S11            0 200    GGG           I   9.50 004
HI 210018          Gro·e Stra·e 1¯, Aachen
HI 3S         S11       S12            0 350    stz           U  88.20 005
HI 4            0.00    00000010     H009B01.JPG HA
HI 4           10.00    00000050     H009B02.JPG DR         12       4       1 5
HI 4           10.00    00000050     H009B03.JPG RS                  5    5  1 5
HI 4           10.00    00000050     H009B04.JPG BS                 50       1 2
HI 4           47.50    00000320     H009B05.JPG FOTO
HI 4           88.20    00000602     H009B06.JPG GE
HI 116.03.2007     Kanal-TV Nord GmbH
HI 210019          öbergang ôlhafen, Essen
HI 3S         S12       S13            310001500SB            I  36.00 006
HI 4            0.00    00000010     H010B01.JPG HA
HI 4           18.00    00000122     H010B02.JPG PL       2.00
HI 4           36.00    00000234     H010B03.JPG EH
