# Every file gen_textures writes, relative to the content folder. The tools
# test checks this list against what the generator really writes.
set(QV_TEXTURE_OUTPUTS
  archive/textures/stars_cube.jpg
)
