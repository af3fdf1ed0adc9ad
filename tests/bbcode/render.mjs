// SPDX-License-Identifier: GPL-3.0-or-later
// Renders BBCode from standard input as a forum without [noparse] would, to standard output:
// the post's HTML characters escaped first, as forums do, then its tags read by bbob.
import html from '@bbob/html';
import preset from '@bbob/preset-html5';

let input = '';
process.stdin.setEncoding('utf8');
process.stdin.on('data', (chunk) => { input += chunk; });
process.stdin.on('end', () => {
  const escaped = input.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
  process.stdout.write(html(escaped, preset()));
});
