// Decodes the PNG screenshots Chromium takes (8 bits a channel, RGB or RGBA, not interlaced) into RGBA
// pixels, and compares pictures.
import { inflateSync } from 'node:zlib';

function paeth(a, b, c) {
  const p = a + b - c;
  const pa = Math.abs(p - a);
  const pb = Math.abs(p - b);
  const pc = Math.abs(p - c);
  return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// Undoes the filter of each row in place; returns the raw rows without their filter bytes.
function unfilter(data, width, height, bytesPerPixel) {
  const stride = width * bytesPerPixel;
  const out = Buffer.alloc(stride * height);
  for (let y = 0; y < height; y++) {
    const filter = data[y * (stride + 1)];
    const row = data.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let x = 0; x < stride; x++) {
      const left = x >= bytesPerPixel ? out[y * stride + x - bytesPerPixel] : 0;
      const up = y > 0 ? out[(y - 1) * stride + x] : 0;
      const upLeft = y > 0 && x >= bytesPerPixel ? out[(y - 1) * stride + x - bytesPerPixel] : 0;
      const predictor = [0, left, up, (left + up) >> 1, paeth(left, up, upLeft)][filter];
      if (predictor === undefined) {
        throw new Error(`unknown PNG filter ${filter}`);
      }
      out[y * stride + x] = (row[x] + predictor) & 0xff;
    }
  }
  return out;
}

export function decodePng(file) {
  let offset = 8;
  let header = null;
  const compressed = [];
  while (offset < file.length) {
    const length = file.readUInt32BE(offset);
    const type = file.toString('latin1', offset + 4, offset + 8);
    const body = file.subarray(offset + 8, offset + 8 + length);
    if (type === 'IHDR') {
      header = { width: body.readUInt32BE(0), height: body.readUInt32BE(4), depth: body[8], colour: body[9], interlace: body[12] };
    } else if (type === 'IDAT') {
      compressed.push(body);
    }
    offset += length + 12;
  }
  if (!header || header.depth !== 8 || ![2, 6].includes(header.colour) || header.interlace !== 0) {
    throw new Error('unexpected PNG layout');
  }
  const channels = header.colour === 6 ? 4 : 3;
  const raw = unfilter(inflateSync(Buffer.concat(compressed)), header.width, header.height, channels);
  const rgba = Buffer.alloc(header.width * header.height * 4, 255);
  for (let i = 0; i < header.width * header.height; i++) {
    raw.copy(rgba, i * 4, i * channels, i * channels + 3);
  }
  return { width: header.width, height: header.height, rgba };
}

// The share of pixels (0 to 1) whose colour differs by more than the tolerance in some channel.
export function differingShare(a, b, tolerance = 24) {
  let differing = 0;
  for (let i = 0; i < a.rgba.length; i += 4) {
    if (Math.abs(a.rgba[i] - b.rgba[i]) > tolerance || Math.abs(a.rgba[i + 1] - b.rgba[i + 1]) > tolerance ||
        Math.abs(a.rgba[i + 2] - b.rgba[i + 2]) > tolerance) {
      differing++;
    }
  }
  return differing / (a.width * a.height);
}

export function distinctColours(picture) {
  const colours = new Set();
  for (let i = 0; i < picture.rgba.length; i += 4) {
    colours.add((picture.rgba[i] << 16) | (picture.rgba[i + 1] << 8) | picture.rgba[i + 2]);
  }
  return colours.size;
}
