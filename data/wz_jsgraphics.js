// Line drawing for the word search page: jsGraphics(id) collects straight lines
// in one colour and paint() draws them as an SVG layer over the element with
// that id. Coordinates are pixels from the top-left corner of the element's
// first table, where the letter cells start, or of the element itself.
function jsGraphics(id) {
  this.element = document.getElementById(id);
  this.color = '#000000';
  this.lines = [];
}

jsGraphics.prototype.setColor = function (color) {
  this.color = color;
};

jsGraphics.prototype.drawLine = function (x1, y1, x2, y2) {
  this.lines.push({ x1: x1, y1: y1, x2: x2, y2: y2, color: this.color });
};

// The layer lives in the first cell of the element's first table, so that it
// moves and scales with the letters however the page is laid out, on screen
// or on paper; with no table it lies over the element itself.
jsGraphics.prototype.host = function () {
  var table = this.element.getElementsByTagName('table')[0];
  var cell = table && table.getElementsByTagName('td')[0];
  var host = cell || this.element;
  host.style.position = 'relative';
  return host;
};

jsGraphics.prototype.paint = function () {
  if (!this.element || this.lines.length === 0)
    return;
  var svgNs = 'http://www.w3.org/2000/svg';
  var layer = document.createElementNS(svgNs, 'svg');
  var width = 1, height = 1;
  for (var i = 0; i < this.lines.length; i++) {
    var l = this.lines[i];
    width = Math.max(width, l.x1 + 1, l.x2 + 1);
    height = Math.max(height, l.y1 + 1, l.y2 + 1);
  }
  layer.setAttribute('width', width);
  layer.setAttribute('height', height);
  layer.setAttribute('style', 'position:absolute;left:0;top:0;overflow:visible;pointer-events:none');
  for (var j = 0; j < this.lines.length; j++) {
    var line = this.lines[j];
    var shape = document.createElementNS(svgNs, 'line');
    // Half-pixel centres keep one-pixel lines sharp and in their own colour.
    shape.setAttribute('x1', line.x1 + 0.5);
    shape.setAttribute('y1', line.y1 + 0.5);
    shape.setAttribute('x2', line.x2 + 0.5);
    shape.setAttribute('y2', line.y2 + 0.5);
    shape.setAttribute('stroke', line.color);
    shape.setAttribute('stroke-width', '1');
    shape.setAttribute('stroke-linecap', 'square');
    layer.appendChild(shape);
  }
  this.host().appendChild(layer);
  this.lines = [];
};
