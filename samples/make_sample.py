#!/usr/bin/env python3
"""Writes samples/kanalnetz.h, the sample ISYBAU-1996 file bundled with TELMORA.

The file is what a CCTV inspection contractor delivers: fixed 80-column records in the DOS code page
(437) with CR LF line ends. Run it again to rebuild the sample; the output is the same every time.
"""
import os


def put(line, col, text, width=None, right=False):
    """Writes text into line (a list of 80 characters) from column col (1-based)."""
    if width is not None:
        text = text.rjust(width) if right else text.ljust(width)
        text = text[:width]
    for i, ch in enumerate(text):
        line[col - 1 + i] = ch


def record(kind):
    line = [' '] * 80
    put(line, 1, kind)
    return line


def hi1(date):
    line = record('HI 1')
    put(line, 5, date, 10)
    put(line, 20, 'Kanal-TV Nord GmbH', 30)
    return line


def hi2(bez, street):
    line = record('HI 2')
    put(line, 5, bez, 10)
    put(line, 20, street, 30)
    return line


def hi3(a, e, profile, height, width, material, direction, length, cassette):
    line = record('HI 3')
    put(line, 5, 'S', 1)
    put(line, 15, a, 10)
    put(line, 25, e, 10)
    put(line, 39, profile, 2, right=True)
    put(line, 41, height, 4, right=True)
    put(line, 45, width, 4, right=True)
    put(line, 49, material, 4)
    put(line, 63, direction, 1)
    put(line, 65, length, 6, right=True)
    put(line, 72, cassette, 3)
    return line


def hi4(station, counter, image, code, zusatz='', q1='', q2='', crack='', pos_from='', pos_to='', free=None):
    line = record('HI 4')
    put(line, 15, '%.2f' % station, 6, right=True)
    put(line, 22, counter, 11, right=True)
    put(line, 38, image, 12)
    put(line, 50, code, 4)
    put(line, 55, zusatz, 2)
    if free is not None:
        put(line, 57, free, 24)
    else:
        put(line, 57, q1, 6, right=True)
        put(line, 65, q2, 6, right=True)
        put(line, 72, crack, 4, right=True)
        put(line, 77, pos_from, 2, right=True)
        put(line, 79, pos_to, 2, right=True)
    return line


def observations(number, rows):
    """rows: (station, code, extra dict) tuples; counters and image names follow the station."""
    lines = []
    for i, (station, code, extra) in enumerate(rows):
        seconds = int(station * 4) + 10
        counter = '%02d%02d%02d%02d' % (0, seconds // 3600, (seconds // 60) % 60, seconds % 60)
        image = 'H%03dB%02d.JPG' % (number, i + 1)
        lines.append(hi4(station, counter, image, code, **extra))
    return lines


SECTIONS = [
    # date, designation, street, start, end, profile, height, width, material, direction, length, cassette,
    # observations
    ('12.03.2007', '10010', 'Lindenstraße, Köln', '211107', '211108', '0', '300', '', 'STZ', 'I', '45.30', '001', [
        (0.0, 'HA', {}),
        (3.2, 'RL', dict(q1='25', q2='2', crack='2', pos_from='11', pos_to='1')),
        (7.8, 'HG', dict(q1='5', q2='20', pos_from='6', pos_to='6')),
        (12.5, 'HP', dict(zusatz='A1', q1='10', q2='15', pos_from='3', pos_to='9')),
        (30.0, 'HP', dict(zusatz='E1', q1='10', q2='15', pos_from='3', pos_to='9')),
        (38.4, 'BA', dict(q2='120', pos_from='12', pos_to='2')),
        (45.3, 'HL', dict(q1='45.30')),
        (45.3, 'EH', {}),
    ]),
    ('12.03.2007', '10011', 'Lindenstraße, Köln', '211108', '2111F1', '0', '300', '', 'STZ', 'I', '38.75', '001', [
        (0.0, 'HA', {}),
        (1.0, 'A-', dict(pos_from='2', pos_to='2')),
        (2.0, 'RQ', dict(q1='15', q2='1', crack='1', pos_from='4', pos_to='8')),
        (16.4, 'II', dict(free='Schacht überbaut, Stufe')),
        (38.75, 'EH', {}),
    ]),
    ('13.03.2007', '10012', 'Mühlenweg, Düsseldorf', '211145A', '211146', '1', '600', '400', 'B', 'U', '62.00', '002', [
        (0.0, 'HA', {}),
        (4.0, 'LV', dict(q1='2', q2='5', pos_from='12', pos_to='12')),
        (5.0, 'LV', dict(q1='3', q2='7', pos_from='12', pos_to='12')),
        (6.0, 'LV', dict(q1='2', q2='5', pos_from='12', pos_to='12')),
        (21.5, 'CM', dict(zusatz='A2', q2='30', pos_from='9', pos_to='3')),
        (40.0, 'CM', dict(zusatz='E2', q2='30', pos_from='9', pos_to='3')),
        (55.1, 'SE', dict(q1='4', q2='10', pos_from='10', pos_to='10')),
        (62.0, 'HL', dict(q1='62.00')),
        (62.0, 'EH', {}),
    ]),
    ('13.03.2007', '10013', 'Mühlenweg, Düsseldorf', '211146', '211147', '0', '250', '', 'PVC', 'I', '28.10', '002', [
        (0.0, 'HA', {}),
        (9.6, 'HDS', dict(q1='10', q2='10', pos_from='5', pos_to='7')),
        (14.2, 'TVS', {}),
        (14.2, 'IAB', {}),
    ]),
    ('14.03.2007', '10014', 'Schöne Aussicht, Görlitz', '2302111', '2302112', '0', '400', '', 'B', 'I', '51.00', '003', [
        (0.0, 'HA', {}),
        (8.0, 'UC', dict(pos_from='6', pos_to='6')),
        (11.0, 'K', {}),
        (19.5, 'W--F', dict(pos_from='5', pos_to='5')),
        (33.3, 'RX', dict(q2='3', crack='3', pos_from='1', pos_to='2')),
        (51.0, 'EH', {}),
    ]),
    ('14.03.2007', '10015', 'Schöne Aussicht, Görlitz', '2302112', 'S1', '2', '800', '1200', 'MA', 'I', '73.40', '003', [
        (0.0, 'HA', {}),
        (2.5, 'BK', dict(q2='400', pos_from='11', pos_to='1')),
        (26.0, 'HI', dict(zusatz='A3', q1='5', q2='10', pos_from='4', pos_to='8')),
        (58.0, 'HI', dict(zusatz='E3', q1='5', q2='10', pos_from='4', pos_to='8')),
        (73.4, 'EH', {}),
    ]),
    ('15.03.2007', '10016', 'Am Bärenhügel, München', 'S1', 'S10', '0', '200', '', 'PEHD', 'I', '12.00', '004', [
        (0.0, 'HA', {}),
        (6.0, 'OK', {}),
        (12.0, 'EH', {}),
    ]),
    ('15.03.2007', '10017', 'Am Bärenhügel, München', 'S10', 'S11', '0', '200', '', 'GGG', 'I', '9.50', '004', []),
    ('15.03.2007', '10018', 'Große Straße 1°, Aachen', 'S11', 'S12', '0', '350', '', 'stz', 'U', '88.20', '005', [
        (0.0, 'HA', {}),
        (10.0, 'DR', dict(q1='12', q2='4', pos_from='1', pos_to='5')),
        (10.0, 'RS', dict(q2='5', crack='5', pos_from='1', pos_to='5')),
        (10.0, 'BS', dict(q2='50', pos_from='1', pos_to='2')),
        (47.5, 'FOTO', {}),
        (88.2, 'GE', {}),
    ]),
    ('16.03.2007', '10019', 'Übergang Ölhafen, Essen', 'S12', 'S13', '3', '1000', '1500', 'SB', 'I', '36.00', '006', [
        (0.0, 'HA', {}),
        (18.0, 'PL', dict(q1='2.00')),
        (36.0, 'EH', {}),
    ]),
]


def build():
    out = []
    header = record('H ')
    put(header, 4, 'ISYBAU-Austauschformat 1996  Kanal-TV Nord GmbH', 50)
    out.append(header)
    last_date = None
    for number, s in enumerate(SECTIONS, 1):
        date, bez, street, a, e, profile, height, width, material, direction, length, cassette, obs = s
        if date != last_date:
            out.append(hi1(date))
            last_date = date
        out.append(hi2(bez, street))
        out.append(hi3(a, e, profile, height, width, material, direction, length, cassette))
        out.extend(observations(number, obs))
    text = ''.join(''.join(l).rstrip() + '\r\n' for l in out)
    return text.encode('cp437')


if __name__ == '__main__':
    here = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(here, 'kanalnetz.h'), 'wb') as f:
        f.write(build())
