// Headless Chromium driven through the DevTools protocol over a pipe (file descriptors 3 and 4, messages
// separated by a NUL byte): no WebSocket and no package beyond node itself.
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

// Without these, Chromium's background connections would go out to a closed network.
const quietFlags = [
  '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
];

// What a key press needs in the page: the DOM key and code, and the key code SDL reads.
const keys = {
  Enter: { key: 'Enter', code: 'Enter', keyCode: 13 },
  Escape: { key: 'Escape', code: 'Escape', keyCode: 27 },
  ArrowUp: { key: 'ArrowUp', code: 'ArrowUp', keyCode: 38 },
  ArrowDown: { key: 'ArrowDown', code: 'ArrowDown', keyCode: 40 },
  ArrowLeft: { key: 'ArrowLeft', code: 'ArrowLeft', keyCode: 37 },
  ArrowRight: { key: 'ArrowRight', code: 'ArrowRight', keyCode: 39 },
  p: { key: 'p', code: 'KeyP', keyCode: 80, text: 'p' },
};

// How long a closing browser may take before it is killed: far more than it needs even on a loaded machine.
const closeCeilingMs = 60000;

export class Browser {
  static async start(extraFlags = []) {
    const profile = mkdtempSync(join(tmpdir(), 'morvatek-chromium-'));
    const child = spawn('chromium', [...quietFlags, `--user-data-dir=${profile}`, '--remote-debugging-pipe',
      ...extraFlags, 'about:blank'], { stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe'] });
    const browser = new Browser(child, profile);
    await browser.attach();
    return browser;
  }

  constructor(child, profile) {
    this.child = child;
    this.profile = profile;
    this.nextId = 1;
    this.pending = new Map();
    this.listeners = [];
    this.consoleLines = [];
    this.stderr = '';
    this.exited = new Promise((resolve) => child.on('exit', resolve));
    child.stderr.on('data', (chunk) => { this.stderr = (this.stderr + chunk).slice(-4000); });
    let buffered = Buffer.alloc(0);
    child.stdio[4].on('data', (chunk) => {
      buffered = Buffer.concat([buffered, chunk]);
      for (let end = buffered.indexOf(0); end >= 0; end = buffered.indexOf(0)) {
        this.receive(JSON.parse(buffered.subarray(0, end).toString('utf8')));
        buffered = buffered.subarray(end + 1);
      }
    });
    child.on('exit', () => {
      for (const { reject } of this.pending.values()) {
        reject(new Error(`Chromium exited: ${this.stderr}`));
      }
      this.pending.clear();
    });
  }

  receive(message) {
    if (message.id !== undefined) {
      const waiting = this.pending.get(message.id);
      this.pending.delete(message.id);
      if (message.error) {
        waiting?.reject(new Error(`${waiting.method}: ${message.error.message}`));
      } else {
        waiting?.resolve(message.result);
      }
      return;
    }
    if (message.method === 'Runtime.consoleAPICalled') {
      // The game's standard output: one console line per line printed.
      this.consoleLines.push(message.params.args.map((arg) => arg.value ?? '').join(' '));
    }
    for (const listener of this.listeners) {
      listener(message);
    }
  }

  send(method, params = {}, sessionId = this.sessionId) {
    const id = this.nextId++;
    const message = { id, method, params, ...(sessionId ? { sessionId } : {}) };
    return new Promise((resolve, reject) => {
      this.pending.set(id, { resolve, reject, method });
      this.child.stdio[3].write(JSON.stringify(message) + '\0');
    });
  }

  async attach() {
    const { targetInfos } = await this.send('Target.getTargets', {}, null);
    const page = targetInfos.find((target) => target.type === 'page');
    const { sessionId } = await this.send('Target.attachToTarget', { targetId: page.targetId, flatten: true }, null);
    this.sessionId = sessionId;
    await this.send('Page.enable');
    await this.send('Runtime.enable');
    await this.send('Emulation.setDeviceMetricsOverride', { width: 1000, height: 760, deviceScaleFactor: 1, mobile: false });
  }

  // Resolves at the next event of that name.
  next(method) {
    return new Promise((resolve) => {
      const listener = (message) => {
        if (message.method === method) {
          this.listeners.splice(this.listeners.indexOf(listener), 1);
          resolve(message.params);
        }
      };
      this.listeners.push(listener);
    });
  }

  async navigate(url) {
    const loaded = this.next('Page.loadEventFired');
    await this.send('Page.navigate', { url });
    await loaded;
  }

  async reload() {
    const loaded = this.next('Page.loadEventFired');
    await this.send('Page.reload', { ignoreCache: true });
    await loaded;
  }

  // The value of an expression in the page (awaited when it is a promise).
  async evaluate(expression) {
    const { result, exceptionDetails } = await this.send('Runtime.evaluate',
      { expression, awaitPromise: true, returnByValue: true });
    if (exceptionDetails) {
      throw new Error(`${expression}: ${exceptionDetails.exception?.description ?? exceptionDetails.text}`);
    }
    return result.value;
  }

  async keyDown(name) {
    const { key, code, keyCode, text } = keys[name];
    await this.send('Input.dispatchKeyEvent', { type: text ? 'keyDown' : 'rawKeyDown', key, code, text,
      windowsVirtualKeyCode: keyCode, nativeVirtualKeyCode: keyCode });
  }

  async keyUp(name) {
    const { key, code, keyCode } = keys[name];
    await this.send('Input.dispatchKeyEvent', { type: 'keyUp', key, code,
      windowsVirtualKeyCode: keyCode, nativeVirtualKeyCode: keyCode });
  }

  async press(name) {
    await this.keyDown(name);
    await this.keyUp(name);
  }

  // A PNG of the given rectangle of the page.
  async screenshot(clip) {
    const { data } = await this.send('Page.captureScreenshot', { format: 'png', clip: { ...clip, scale: 1 } });
    return Buffer.from(data, 'base64');
  }

  // Asks Chromium to close and waits for it to go, however long a busy machine makes that take; a browser
  // still there after the ceiling is killed. Its helper processes may outlive it by a moment and write into
  // the profile folder as it is removed, so the removal is tried again a few times, and a folder that stays
  // is only reported: the test's verdict is the game's, not the clean-up's.
  async close() {
    this.send('Browser.close', {}, null).catch(() => {}); // its answer may never come: the browser is going
    let timer;
    const ceiling = new Promise((resolve) => { timer = setTimeout(resolve, closeCeilingMs, 'ceiling'); });
    if (await Promise.race([this.exited.then(() => 'exited'), ceiling]) !== 'exited') {
      this.child.kill('SIGKILL');
      await this.exited;
    }
    clearTimeout(timer);
    try {
      rmSync(this.profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 100 });
    } catch (error) {
      console.error(`the browser's profile folder stays behind: ${error.message}`);
    }
  }
}
