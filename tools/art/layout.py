"""The pages' layout at 96 dots per inch (scale unit 1), as the chooser's
code places it: hotspot rectangles (x, y, width, height) and check-box
positions (x, y) with their visibility. The art is drawn around these."""

PAGE_SIZE = (370, 410)
BOX_SIDE = 12

# page name -> bitmap id, hotspots {id: rect}, boxes {id: (x, y, visible)}
PAGES = {
    "main": {
        "bitmap": 105,
        "hotspots": {1: (96, 370, 74, 27), 2: (201, 370, 74, 27),
                     3: (274, 210, 37, 20), 5: (274, 275, 37, 20)},
        "boxes": {1: (80, 215, True), 2: (80, 256, False), 3: (80, 278, True)},
    },
    "suite": {
        "bitmap": 109,
        "hotspots": {1: (151, 369, 74, 29)},
        "boxes": {1: (33, 179, True), 2: (50, 206, True), 5: (33, 266, True),
                  6: (202, 175, True), 7: (33, 306, True), 3: (50, 236, False),
                  9: (202, 220, True), 10: (202, 265, True), 11: (202, 305, True)},
    },
    "system": {
        "bitmap": 110,
        "hotspots": {1: (151, 369, 74, 29)},
        "boxes": {1: (32, 225, True), 2: (32, 257, True), 3: (32, 286, True),
                  4: (197, 226, True), 5: (197, 257, True), 6: (197, 287, True)},
    },
    "converter": {
        "bitmap": 108,
        "hotspots": {1: (151, 369, 74, 29)},
        "boxes": {1: (58, 220, True), 2: (58, 268, True)},
    },
}
